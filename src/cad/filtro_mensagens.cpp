#include "cad/filtro_mensagens.hpp"

#include <thread>

namespace zidod {

namespace {

class TObjetoFiltrado : public TObjetoAutomacao {
 public:
  TObjetoFiltrado(std::shared_ptr<TObjetoAutomacao> objeto, std::shared_ptr<TRelogio> relogio)
      : objeto_(std::move(objeto)), relogio_(std::move(relogio)) {}

  tValor Chamar(std::string_view membro, const std::vector<tValor>& argumentos) override {
    std::vector<tValor> proprios;
    proprios.reserve(argumentos.size());
    for (const tValor& a : argumentos) proprios.push_back(Desembrulhar(a));
    tValor r =
        ExecutarComNovasTentativas(*relogio_, [&] { return objeto_->Chamar(membro, proprios); });
    if (auto* o = std::get_if<std::shared_ptr<TObjetoAutomacao>>(&r); o && *o)
      *o = EnvolverComFiltro(std::move(*o), relogio_);
    return r;
  }

  void Atribuir(std::string_view membro, const tValor& valor) override {
    ExecutarComNovasTentativas(*relogio_, [&] { objeto_->Atribuir(membro, Desembrulhar(valor)); });
  }

  const std::shared_ptr<TObjetoAutomacao>& Objeto() const { return objeto_; }

 private:
  // An object handed back to the CAD goes as the CAD gave it.
  static tValor Desembrulhar(const tValor& valor) {
    if (const auto* o = std::get_if<std::shared_ptr<TObjetoAutomacao>>(&valor))
      if (const auto* f = dynamic_cast<const TObjetoFiltrado*>(o->get())) return f->Objeto();
    return valor;
  }

  std::shared_ptr<TObjetoAutomacao> objeto_;
  std::shared_ptr<TRelogio> relogio_;
};

}  // namespace

std::chrono::milliseconds TRelogioReal::Agora() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void TRelogioReal::Esperar(std::chrono::milliseconds tempo) { std::this_thread::sleep_for(tempo); }

std::shared_ptr<TObjetoAutomacao> EnvolverComFiltro(std::shared_ptr<TObjetoAutomacao> objeto,
                                                    std::shared_ptr<TRelogio> relogio) {
  if (!objeto || dynamic_cast<TObjetoFiltrado*>(objeto.get())) return objeto;
  return std::make_shared<TObjetoFiltrado>(std::move(objeto), std::move(relogio));
}

}  // namespace zidod
