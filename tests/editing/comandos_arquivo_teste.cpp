#include <gtest/gtest.h>

#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "editing/estado_editor.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

class ComandosTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta = fs::temp_directory_path() /
            ("zidod-comandos-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    e.dialogos = dialogos;
  }
  void TearDown() override { fs::remove_all(pasta); }

  fs::path pasta;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
  TEstadoEditor e;
};

TEST_F(ComandosTeste, NovoEsvaziaTudo) {
  e.LerTpo(kExemplo);
  e.NovoClick();
  EXPECT_EQ(e.Caption, "Editor de Zidod Evuv 3.0");
  EXPECT_EQ(e.secao.nomeArquivo, "");
  for (const TGradeTexto* t : {&e.plataforma.sg1, &e.taludes.sg2, &e.pavimento.sg3}) {
    EXPECT_EQ(t->RowCount(), 2);
    EXPECT_EQ(t->Cells(1, 1), "0");
  }
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "");
  EXPECT_TRUE(e.plataforma.Memo1.empty());
  EXPECT_EQ(e.secao.sarjetaEsq.larguraTopo, "");
  for (const TSegs& seg : e.secao.segs) EXPECT_EQ(seg.nPontos, 0);
  EXPECT_EQ(e.desenho.ah, "16");  // the zoom stays
  // Saving asks for a name.
  dialogos->arquivos = {std::nullopt};
  e.SalvarComoClick();
  EXPECT_TRUE(dialogos->arquivos.empty());
}

TEST_F(ComandosTeste, NovoComOutraCamadaAtivaNaoTrazACamadaUm) {
  e.LerTpo(kExemplo);  // layer 1: "Camada de exemplo", 4 points
  e.pc1Change(tPagina::tbsPavimento);
  e.pavimento.ncam = 2;
  e.ncamChange();
  e.pcChanging();
  e.pcChange(1);
  e.NovoClick();
  EXPECT_EQ(e.pavimento.pc, 0);
  EXPECT_EQ(e.pavimento.ncam, 1);
  EXPECT_EQ(e.pavimento.Edit1, "");
  EXPECT_EQ(e.pavimento.Edit2, "");
  EXPECT_EQ(e.pavimento.sg3.RowCount(), 2);
  EXPECT_EQ(e.pavimento.sg3.Cells(1, 1), "0");
  e.Edit1Exit();  // the next capture
  const TSegs& camada = e.secao.segs[SlotCamada(1)];
  EXPECT_EQ(camada.descricao, "");
  EXPECT_EQ(camada.prefixo, "");
  EXPECT_LE(camada.nPontos, 1);
}

TEST_F(ComandosTeste, AbrirSubstituiASecaoInteira) {
  e.LerTpo(kExemplo);
  e.secao.segs[SlotCamada(5)].nPontos = 3;
  e.plataforma.Memo1.push_back("antiga");
  const std::string outro = (pasta / "outro.tpo").string();
  GravarArquivo(outro, MontarArquivoTpo({std::string(kLinhaVersao), "& nova", "# PLATAFORMA",
                                         "* 1              2"}));
  dialogos->arquivos = {outro};
  e.AbrirClick();
  EXPECT_EQ(e.plataforma.Memo1, std::vector<std::string>{"nova"});
  EXPECT_EQ(e.secao.segs[SlotCamada(5)].nPontos, 0);
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].nPontos, 0);
  EXPECT_EQ(e.secao.nomeArquivo, outro);

  // A file that cannot be read leaves the section that was open.
  const TEstadoEditor antes = e;
  const std::string ruim = (pasta / "ruim.tpo").string();
  GravarArquivo(ruim, "# PLATAFORMA\r\n* x 1\r\n");
  dialogos->arquivos = {ruim};
  EXPECT_THROW(e.AbrirClick(), ErroArquivo);
  EXPECT_TRUE(e == antes);
  dialogos->arquivos = {std::nullopt};
  e.AbrirClick();
  EXPECT_TRUE(e == antes);
}

TEST_F(ComandosTeste, SalvarConfereOsIdentificadores) {
  e.LerTpo(kExemplo);
  e.plataforma.sg1.Cells(4, 3) = "Ponto Central";  // no main axis
  const std::string caminho = e.secao.nomeArquivo;
  const std::string bytes = LerArquivo(caminho);
  e.SalvarClick();
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].texto,
            "Definir Identificadores:\r\nBorda Acostamento Esquerda,\r\nEixo Principal e\r\nBorda Acostamento Direita.");
  EXPECT_EQ(dialogos->mensagens[0].icone, tIcone::aviso);
  // "Salvar Como" does not check.
  const std::string novo = (pasta / "sem-eixo.tpo").string();
  dialogos->arquivos = {novo};
  e.SalvarComoClick();
  EXPECT_TRUE(fs::exists(novo));
  EXPECT_EQ(e.Caption, "Editor de Zidod Evuv 3.0 ->> " + novo);
  EXPECT_EQ(LerArquivo(caminho), bytes);
}

TEST_F(ComandosTeste, PistasSemAcostamentoPassamESalvarVoltaAoMesmoArquivo) {
  e.plataforma.sg1.SetRowCount(4);
  const char* ids[] = {"Bordo Pista Esquerda", "Eixo Principal", "Bordo Pista Direita"};
  for (int r = 1; r <= 3; ++r) {
    e.plataforma.sg1.Cells(1, r) = std::to_string(r);
    e.plataforma.sg1.Cells(2, r) = "0";
    e.plataforma.sg1.Cells(4, r) = ids[r - 1];
  }
  e.sg1AfterEdit();
  const std::string caminho = (pasta / "a.tpo").string();
  dialogos->arquivos = {caminho};
  e.SalvarClick();  // no file yet: asks
  EXPECT_TRUE(dialogos->mensagens.empty());
  ASSERT_TRUE(fs::exists(caminho));
  fs::remove(caminho);
  e.SalvarClick();  // now silently to the same path
  EXPECT_TRUE(fs::exists(caminho));
  EXPECT_TRUE(dialogos->arquivos.empty());
}

TEST_F(ComandosTeste, SalvarComoQueFalhaNaoMudaOArquivoDoDocumento) {
  e.LerTpo(kExemplo);
  dialogos->arquivos = {(pasta / "nao" / "existe.tpo").string()};
  EXPECT_THROW(e.SalvarComoClick(), ErroArquivo);
  EXPECT_EQ(e.secao.nomeArquivo, kExemplo);
}

}  // namespace
}  // namespace zidod
