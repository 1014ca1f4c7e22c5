#include "cad/protocolo.hpp"

#include <type_traits>

namespace zidod {

void TDivisorLinhas::Acrescentar(std::string_view bytes) {
  if (excedido_) return;
  pendente_.append(bytes);
}

std::optional<std::string> TDivisorLinhas::ProximaLinha() {
  if (excedido_) return std::nullopt;
  const std::size_t fim = pendente_.find('\n', procurado_);
  if (fim == std::string::npos) {
    procurado_ = pendente_.size();
    if (pendente_.size() > kMaxLinha) {
      excedido_ = true;
      pendente_.clear();
    }
    return std::nullopt;
  }
  std::string linha = pendente_.substr(0, fim);
  pendente_.erase(0, fim + 1);
  procurado_ = 0;
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  if (linha.size() > kMaxLinha) {
    excedido_ = true;
    pendente_.clear();
    return std::nullopt;
  }
  return linha;
}

tValorFio ValorSimplesNoFio(const tValor& valor) {
  return std::visit(
      [](const auto& x) -> tValorFio {
        if constexpr (std::is_same_v<std::decay_t<decltype(x)>, std::shared_ptr<TObjetoAutomacao>>)
          return std::monostate{};
        else
          return x;
      },
      valor);
}

}  // namespace zidod
