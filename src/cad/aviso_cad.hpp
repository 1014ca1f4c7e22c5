// The messages of the CAD commands. The commands return them; the editor
// shows them as modal boxes.
#pragma once

#include <string>

#include "cad/automacao.hpp"

namespace zidod {

struct tAvisoCad {
  std::string titulo;
  std::string texto;
  bool erro = false;  // with the error icon

  bool operator==(const tAvisoCad&) const = default;
};

inline constexpr const char* kTituloCadNaoEncontrado = "Erro: AutoCAD não encontrado!!!";
inline constexpr const char* kTextoCadNaoEncontrado =
    "O AutoCAD deve estar aberto para que o sistema possa funcionar.";
inline constexpr const char* kTituloErroCad = "Erro no AutoCAD !!!";
inline constexpr const char* kTextoComandoAtivo =
    "Existe um comando ativo no Autocad.\rFinalize o comando e execute esta função novamente.";
inline constexpr const char* kTextoComunicacaoPerdida =
    "A comunicação com o AutoCAD foi interrompida.\rVerifique se ele continua aberto e execute "
    "esta função novamente.";
inline constexpr const char* kTituloErroSelecao = "Erro na seleção";
inline constexpr const char* kTextoNaoFechada =
    "O elemento selecionado não é uma polilinha fechada. Selecione Novamente.";
inline constexpr const char* kTextoNaoPolilinha =
    "O elemento selecionado não é uma polilinha. Selecione Novamente.";

// The CAD refused or lost a call in the middle of a command: busy, gone, or
// a failure of its own (whose text then follows).
tAvisoCad AvisoDeFalha(const ErroAutomacao& erro);

}  // namespace zidod
