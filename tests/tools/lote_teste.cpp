// The batch tool, run as a user runs it.
#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>

#include "apoio/figura_conferida.hpp"
#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/secao.hpp"
#include "editing/exemplo_tpo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

struct tResultado {
  int codigo = -1;
  std::string saida;
  std::string erros;
};

// Each test runs in a process of its own and may run beside the others.
fs::path Temporario(const std::string& nome) {
  return fs::temp_directory_path() /
         ("zidod-lote-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
          "-" + nome);
}

tResultado Executar(const std::string& argumentos) {
  const fs::path erros = Temporario("erros.txt");
  const std::string comando = std::string(ZIDOD_LOTE) + " " + argumentos + " 2>" + erros.string();
  tResultado r;
  FILE* processo = popen(comando.c_str(), "r");
  char bloco[4096];
  std::size_t lidos = 0;
  while ((lidos = fread(bloco, 1, sizeof bloco, processo)) > 0) r.saida.append(bloco, lidos);
  const int estado = pclose(processo);
  r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  r.erros = LerArquivo(erros.string());
  return r;
}

TEST(Lote, VerificarReproduzOExemplo) {
  const tResultado r = Executar("verificar " + kExemplo);
  EXPECT_EQ(r.codigo, 0) << r.erros;
  EXPECT_EQ(r.saida, LerArquivo(kExemplo));

  const fs::path saida = Temporario("saida.tpo");
  fs::remove(saida);
  EXPECT_EQ(Executar("verificar " + kExemplo + " -o " + saida.string()).codigo, 0);
  EXPECT_EQ(LerArquivo(saida.string()), LerArquivo(kExemplo));
  fs::remove(saida);
}

TEST(Lote, JsonDoExemplo) {
  const tResultado r = Executar("json " + kExemplo);
  ASSERT_EQ(r.codigo, 0) << r.erros;
  QJsonParseError erro;
  const QJsonObject raiz = QJsonDocument::fromJson(QByteArray::fromStdString(r.saida), &erro).object();
  ASSERT_EQ(erro.error, QJsonParseError::NoError);
  EXPECT_EQ(raiz["versao"].toInt(), 3);
  EXPECT_EQ(raiz["geral"]["eixoRotacao"].toString(), "c");
  EXPECT_EQ(raiz["sarjetaEsq"]["larguraBase"].toString(), "0.300");
  EXPECT_EQ(raiz["editor"]["descricao"].toArray().at(0).toString(), "Secao de exemplo");
  const QJsonArray segs = raiz["segs"].toArray();
  ASSERT_EQ(segs.size(), 25);
  const QJsonArray plataforma = segs[0]["pontos"].toArray();
  ASSERT_EQ(plataforma.size(), 5);
  const int codigos[] = {-2, -1, 0, 1, 2};
  const char* rotulos[] = {"P1", "", "P3", "", "P5"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(plataforma[i]["codigo"].toInt(), codigos[i]);
    EXPECT_EQ(plataforma[i]["rotulo"].toString(), rotulos[i]);
  }
  EXPECT_EQ(segs[5]["material"].toString(), "SARGETA_ESQUERD");
  const QJsonArray sarjeta = segs[5]["pontos"].toArray();
  ASSERT_EQ(sarjeta.size(), 4);
  EXPECT_DOUBLE_EQ(sarjeta[1]["x"].toDouble(), -7.4);
  EXPECT_DOUBLE_EQ(sarjeta[1]["y"].toDouble(), -0.34);

  // Computed areas and warnings for the layers and the two gutters only.
  EXPECT_NEAR(segs[SlotCamada(1)]["areaCalculada"].toDouble(), 2.1, 1e-12);
  EXPECT_EQ(segs[SlotCamada(1)]["avisos"].toArray(), QJsonArray());
  EXPECT_NEAR(segs[5]["areaCalculada"].toDouble(), 0.078, 1e-12);
  EXPECT_EQ(segs[5]["avisos"].toArray(), QJsonArray({"A sarjeta não é fechada."}));
  EXPECT_EQ(segs[SlotCamada(2)]["areaCalculada"].toDouble(-1), 0);
  for (const int slot : {0, 4, 7, 24}) EXPECT_FALSE(segs[slot].toObject().contains("areaCalculada")) << slot;
}

TEST(Lote, JsonAvisaDeUmaCamadaQueSeCruza) {
  const fs::path arquivo = Temporario("cruzada.tpo");
  // The example with its layer's last two points swapped.
  std::vector<std::string> linhas = kLinhasExemplo;
  std::swap(linhas[linhas.size() - 1], linhas[linhas.size() - 2]);
  GravarArquivo(arquivo.string(), MontarArquivoTpo(linhas));
  const tResultado r = Executar("json " + arquivo.string());
  ASSERT_EQ(r.codigo, 0) << r.erros;
  const QJsonObject camada =
      QJsonDocument::fromJson(QByteArray::fromStdString(r.saida))["segs"][SlotCamada(1)].toObject();
  EXPECT_EQ(camada["avisos"].toArray(), QJsonArray({"A camada cruza a si mesma entre os pontos 4 e 1."}));
  fs::remove(arquivo);
}

TEST(Lote, ErrosSaemComCodigo1ESemArquivo) {
  const fs::path ruim = Temporario("ruim.tpo");
  GravarArquivo(ruim.string(), "# PLATAFORMA\r\n* 1,5            0\r\n");
  const fs::path saida = Temporario("nao-criado.tpo");
  fs::remove(saida);
  const tResultado r = Executar("verificar " + ruim.string() + " -o " + saida.string());
  EXPECT_EQ(r.codigo, 1);
  EXPECT_EQ(r.saida, "");
  EXPECT_EQ(r.erros, "zidod-evuv-lote: Linha 2: '1,5' is not a valid floating point value\n");
  EXPECT_FALSE(fs::exists(saida));
  fs::remove(ruim);

  for (const char* argumentos : {"", "json", "verificar a b c", "desconhecido x"}) {
    const tResultado uso = Executar(argumentos);
    EXPECT_EQ(uso.codigo, 1) << argumentos;
    EXPECT_NE(uso.erros.find("Uso:"), std::string::npos) << argumentos;
  }
  EXPECT_EQ(Executar("json /nao/existe.tpo").codigo, 1);
}

// The picture a person looked at once; a run that draws anything else fails
// and leaves the picture it drew and their difference beside the build.
TEST(Lote, DesenharOExemploComoAFiguraConferida) {
  const fs::path saida = fs::path(ZIDOD_SAIDA_TESTE) / "exemplo_467x468.png";
  const tResultado r = Executar("desenhar " + kExemplo + " -o " + saida.string());
  ASSERT_EQ(r.codigo, 0) << r.erros;
  const QImage desenhada(QString::fromStdString(saida.string()));
  ConferirFigura(desenhada, saida, fs::path(ZIDOD_DADOS_TESTE) / "exemplo_467x468.png");
}

TEST(Lote, DesenharEmSvgEPdf) {
  const fs::path svg = Temporario("secao.svg");
  const fs::path pdf = Temporario("secao.pdf");
  ASSERT_EQ(Executar("desenhar " + kExemplo + " -o " + svg.string() + " --largura 800 --altura 300").codigo, 0);
  ASSERT_EQ(Executar("desenhar " + kExemplo + " --altura 300 -o " + pdf.string()).codigo, 0);
  const std::string textoSvg = LerArquivo(svg.string());
  EXPECT_NE(textoSvg.find("<svg"), std::string::npos);
  EXPECT_NE(textoSvg.find("width=\"800"), std::string::npos);
  EXPECT_EQ(LerArquivo(pdf.string()).substr(0, 5), "%PDF-");
  fs::remove(svg);
  fs::remove(pdf);

  const fs::path outra = Temporario("secao.bmp");
  const tResultado r = Executar("desenhar " + kExemplo + " -o " + outra.string());
  EXPECT_EQ(r.codigo, 1);
  EXPECT_NE(r.erros.find(".png, .svg ou .pdf"), std::string::npos);
  EXPECT_FALSE(fs::exists(outra));
  EXPECT_EQ(Executar("desenhar " + kExemplo + " -o " + svg.string() + " --largura 3").codigo, 1);
}

}  // namespace
}  // namespace zidod
