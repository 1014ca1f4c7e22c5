// The widgets of the main window's four pages, shared by the files that
// build and show them.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>

#include "align_edit.hpp"
#include "area_imagem.hpp"
#include "janela_principal.hpp"
#include "modelo_tabela.hpp"

namespace zidod {

struct TForm1::tPaginaPlataforma {
  QWidget* pagina = nullptr;
  QTableView* sg1 = nullptr;
  TModeloTabela* modelo = nullptr;
  QComboBox* comboponto = nullptr;
  QPushButton* BitBtn1 = nullptr;  // "Selecionar no CAD"
  QPushButton* BitBtn4 = nullptr;  // "Entrada Manual"
  QButtonGroup* radioqtdepistas = nullptr;
  QGroupBox* grupoPtsRotacao = nullptr;
  QButtonGroup* radioptsrotacao = nullptr;
  QButtonGroup* radioeixo = nullptr;
  QButtonGroup* radiocaimento = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* dxButton2 = nullptr;  // "Desenhar seção tipo no CAD"
};

struct TForm1::tPaginaTaludes {
  QWidget* pagina = nullptr;
  TAreaImagem* itl = nullptr;
  QRadioButton* ce = nullptr;
  QRadioButton* ae = nullptr;
  QRadioButton* CD = nullptr;
  QRadioButton* AD = nullptr;
  QWidget* Image3 = nullptr;  // click areas: CE, AE, CD, AD
  QWidget* Image4 = nullptr;
  QWidget* Image1 = nullptr;
  QWidget* Image2 = nullptr;
  QTabBar* pgcategorias = nullptr;
  QWidget* Panel14 = nullptr;
  QTableView* sg2 = nullptr;
  TModeloTabela* modelo = nullptr;
  QPushButton* BitBtn2 = nullptr;
  TAlignEdit* dt0 = nullptr;  // "Entrada Manual"
  TAlignEdit* p00 = nullptr;
  TAlignEdit* p01 = nullptr;
  TAlignEdit* dn0 = nullptr;
  TAlignEdit* pr0 = nullptr;
  TAlignEdit* Edit3 = nullptr;
  TAlignEdit* Edit4 = nullptr;
};

struct TForm1::tLadoSarjeta {
  QButtonGroup* existencia = nullptr;  // ude / udd
  QLabel* rotuloLargura = nullptr;     // Label31 / Label23
  TAlignEdit* larguraTopo = nullptr;   // lte / ltd
  TAlignEdit* larguraBase = nullptr;   // lbe / lbd
  TAlignEdit* profundidade = nullptr;  // ade / add
  TAlignEdit* prefixo = nullptr;       // ple / pld
  QCheckBox* acompanhar = nullptr;     // acse / acsd
  QPushButton* apagar = nullptr;       // Button1 / Button2
  QLabel* areaCalculada = nullptr;
  QLabel* avisoArea = nullptr;
};

struct TForm1::tPaginaSarjetas {
  QWidget* pagina = nullptr;
  tLadoSarjeta esquerda;
  tLadoSarjeta direita;
};

struct TForm1::tPaginaPavimento {
  QWidget* pagina = nullptr;
  QSpinBox* ncam = nullptr;
  QTabBar* pc = nullptr;
  TAlignEdit* Edit1 = nullptr;
  QComboBox* gc1 = nullptr;
  TAlignEdit* Edit2 = nullptr;
  TAlignEdit* Edit5 = nullptr;
  QLabel* areaCalculada = nullptr;
  QLabel* avisoArea = nullptr;
  QTableView* sg3 = nullptr;
  TModeloTabela* modelo = nullptr;
  QPushButton* BitBtn3 = nullptr;
  QPushButton* Button7 = nullptr;  // "Apagar Camada"
  TAlignEdit* edit6 = nullptr;
  TAlignEdit* edit7 = nullptr;
};

}  // namespace zidod
