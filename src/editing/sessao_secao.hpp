// A section opened without a window: what the tools do with a ".tpo" file
// (read it, write it again, draw it as the editor shows it, draw it into a
// CAD program) through the editor's own reading, drawing and CAD commands,
// without pressing any of the window's controls.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editing/estado_editor.hpp"

namespace zidod {

class TSessaoSecao {
 public:
  // Reads the file whole, or throws ErroArquivo, as the editor opens it
  // with a drawing area of the given size.
  explicit TSessaoSecao(const std::string& caminho, int largura = 467, int altura = 468);

  int Versao() const { return versao_; }
  const TSecaoTipo& Secao() const { return editor_.secao; }
  const std::vector<std::string>& Descricao() const { return editor_.plataforma.Memo1; }
  int QuantidadeCamadas() const { return editor_.pavimento.ncam; }
  const std::string& ZoomHorizontal() const { return editor_.desenho.ah; }
  bool MostrarPontos() const { return editor_.desenho.mp; }

  // The bytes "Salvar" writes, and writing them to another file.
  std::string Conteudo();
  void GravarComo(const std::string& caminho);

  // The picture the drawing area shows right after the file is opened, on a
  // canvas of the area's size.
  void Desenhar(std::shared_ptr<TCanvas> canvas);

  // Draws the section into the CAD program `conector` reaches; the editor's
  // messages go to `dialogos`.
  void DesenharNoCad(std::shared_ptr<TConectorCad> conector, std::shared_ptr<TDialogos> dialogos);

 private:
  TEstadoEditor editor_;
  int versao_ = 0;
};

}  // namespace zidod
