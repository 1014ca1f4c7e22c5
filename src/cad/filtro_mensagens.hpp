// The rule by which calls wait for a busy CAD program: a call refused as busy
// is retried every 99 ms while less than 7500 ms have passed since it was
// made; then, or when it fails for any other reason, it fails. The clock is
// injectable so that the rule can be exercised without waiting.
#pragma once

#include <chrono>
#include <memory>

#include "cad/automacao.hpp"

namespace zidod {

inline constexpr std::chrono::milliseconds kIntervaloNovaTentativa{99};
inline constexpr std::chrono::milliseconds kLimiteNovasTentativas{7500};

class TRelogio {
 public:
  virtual ~TRelogio() = default;
  // Monotonic time.
  virtual std::chrono::milliseconds Agora() = 0;
  virtual void Esperar(std::chrono::milliseconds tempo) = 0;
};

class TRelogioReal : public TRelogio {
 public:
  std::chrono::milliseconds Agora() override;
  void Esperar(std::chrono::milliseconds tempo) override;
};

// Runs `chamada` under the rule.
template <class F>
auto ExecutarComNovasTentativas(TRelogio& relogio, F&& chamada) -> decltype(chamada()) {
  const std::chrono::milliseconds inicio = relogio.Agora();
  for (;;) {
    try {
      return chamada();
    } catch (const ErroAutomacao& e) {
      if (e.Falha() != tFalhaAutomacao::ocupado ||
          relogio.Agora() - inicio >= kLimiteNovasTentativas)
        throw;
    }
    relogio.Esperar(kIntervaloNovaTentativa);
  }
}

// The object with every call made through it, and through every object it
// returns, under the rule: what the message filter is to the editor's calls.
std::shared_ptr<TObjetoAutomacao> EnvolverComFiltro(std::shared_ptr<TObjetoAutomacao> objeto,
                                                    std::shared_ptr<TRelogio> relogio);

}  // namespace zidod
