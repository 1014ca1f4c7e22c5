// The question before a changed section is lost: what counts as a change,
// and what each answer does.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "apoio/dialogos_gravados.hpp"
#include "document/arquivo.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

class AlteracoesTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta = fs::temp_directory_path() /
            ("zidod-alteracoes-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    arquivo = (pasta / "secao.tpo").string();
    fs::copy_file(kExemplo, arquivo);
    e.dialogos = dialogos;
    e.FormShow(arquivo);
  }
  void TearDown() override { fs::remove_all(pasta); }

  fs::path pasta;
  std::string arquivo;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
  TEstadoEditor e;
};

TEST_F(AlteracoesTeste, MudaQuandoOArquivoMudaria) {
  EXPECT_FALSE(e.Alterado());
  const std::vector<std::pair<const char*, std::function<void(TEstadoEditor&)>>> mudancas = {
      {"a point", [](TEstadoEditor& s) { s.secao.segs[segPlataforma].y[2] = 0.5L; }},
      {"the description", [](TEstadoEditor& s) { s.plataforma.Memo1.push_back("mais uma linha"); }},
      {"the total width", [](TEstadoEditor& s) { s.pavimento.edit6 = "14.5"; }},
      {"the zoom", [](TEstadoEditor& s) { s.desenho.ah = "20"; }},
      {"a gutter width", [](TEstadoEditor& s) { s.secao.sarjetaEsq.larguraTopo = "0.9"; }},
  };
  for (const auto& [nome, mudar] : mudancas) {
    TEstadoEditor copia = e;
    mudar(copia);
    EXPECT_TRUE(copia.Alterado()) << nome;
  }
  // What the file does not keep is no change: the page shown, the marked row.
  TEstadoEditor copia = e;
  copia.pc1 = tPagina::psarg;
  copia.plataforma.sg1.Cells(0, 3) = ">>";
  EXPECT_FALSE(copia.Alterado());
  // Nor is a value edited back to what it was.
  const long double antes = e.secao.segs[segPlataforma].y[2];
  e.secao.segs[segPlataforma].y[2] = 0.5L;
  e.secao.segs[segPlataforma].y[2] = antes;
  EXPECT_FALSE(e.Alterado());
}

TEST_F(AlteracoesTeste, CadaRespostaAntesDeNovo) {
  const std::string original = LerArquivo(arquivo);
  e.plataforma.Memo1.push_back("linha nova");

  dialogos->respostas = {tRespostaAlteracoes::cancelar};
  const TEstadoEditor antes = e;
  e.NovoClick();
  EXPECT_EQ(dialogos->perguntas, std::vector<std::string>{"Salvar alterações em secao.tpo?"});
  EXPECT_TRUE(e == antes);

  dialogos->respostas = {tRespostaAlteracoes::salvar};
  e.NovoClick();
  EXPECT_NE(LerArquivo(arquivo), original);
  EXPECT_NE(LerArquivo(arquivo).find("linha nova"), std::string::npos);
  EXPECT_EQ(e.secao.nomeArquivo, "");
  EXPECT_FALSE(e.Alterado());

  // An unchanged section goes without a question.
  e.NovoClick();
  EXPECT_EQ(dialogos->perguntas.size(), 2u);

  e.plataforma.Memo1.push_back("outra");
  dialogos->respostas = {tRespostaAlteracoes::descartar};
  e.NovoClick();
  EXPECT_TRUE(e.plataforma.Memo1.empty());
  EXPECT_EQ(dialogos->perguntas.back(), "Salvar alterações em Sem Nome?");
}

TEST_F(AlteracoesTeste, SalvarQueNaoGravaNaoDeixaPerder) {
  // A new section: "Salvar" asks for a name; cancelling that keeps the section.
  e.NovoClick();
  e.LerTpo(kExemplo);
  e.secao.nomeArquivo.clear();
  e.plataforma.Memo1.push_back("sem nome ainda");
  dialogos->respostas = {tRespostaAlteracoes::salvar};
  dialogos->arquivos = {std::nullopt};
  EXPECT_FALSE(e.ConfirmarDescarte());
  EXPECT_EQ(e.plataforma.Memo1.back(), "sem nome ainda");

  // Without the identifiers "Salvar" refuses, and nothing is replaced.
  e.plataforma.sg1.Cells(4, 3).clear();
  dialogos->respostas = {tRespostaAlteracoes::salvar};
  dialogos->arquivos = {(pasta / "nova.tpo").string()};
  dialogos->mensagens.clear();
  EXPECT_FALSE(e.ConfirmarDescarte());
  EXPECT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_FALSE(fs::exists(pasta / "nova.tpo"));
}

TEST_F(AlteracoesTeste, LidoOuGravadoNaoEstaAlterado) {
  e.plataforma.Memo1.push_back("gravada");
  e.SalvarClick();
  EXPECT_FALSE(e.Alterado());
  e.plataforma.Memo1.push_back("depois");
  dialogos->respostas = {tRespostaAlteracoes::descartar};
  dialogos->arquivos = {kExemplo};
  e.AbrirClick();
  EXPECT_EQ(dialogos->perguntas.size(), 1u);
  EXPECT_FALSE(e.Alterado());
}

}  // namespace
}  // namespace zidod
