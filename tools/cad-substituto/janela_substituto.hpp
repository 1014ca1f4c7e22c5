// The stand-in's window: its title is the CAD's caption; it shows the active
// drawing and is where the user selects entities.
#pragma once

#include <QMainWindow>

#include "cad_substituto.hpp"
#include "vista_desenho.hpp"

namespace zidod {

class TJanelaSubstituto : public QMainWindow {
  Q_OBJECT

 public:
  explicit TJanelaSubstituto(TCadSubstituto& cad, QWidget* pai = nullptr);

  TVistaDesenho& Vista() { return *vista_; }
  // Comes to the front and lets the user select (TVistaDesenho::Selecionar).
  std::vector<std::size_t> SelecionarNaTela();
  // The title and the picture follow the drawings.
  void Atualizar();

 protected:
  void closeEvent(QCloseEvent* evento) override;

 private:
  void Abrir();
  void SalvarComo();

  TCadSubstituto& cad_;
  TVistaDesenho* vista_;
  std::size_t mostradas_ = 0;  // entities of the drawing at the last update
};

}  // namespace zidod
