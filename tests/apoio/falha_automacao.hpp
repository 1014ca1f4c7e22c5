// For the tests of the CAD link: how a call failed.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "cad/automacao.hpp"

namespace zidod::teste {

// The kind of failure of the call, which must fail.
inline tFalhaAutomacao FalhaDe(const std::function<void()>& chamada) {
  try {
    chamada();
  } catch (const ErroAutomacao& e) {
    return e.Falha();
  }
  ADD_FAILURE() << "a chamada não falhou";
  return tFalhaAutomacao::falhou;
}

}  // namespace zidod::teste
