// "zidod-evuv-lote folha": the sheet as PDF, SVG and DXF, read back by
// programs of their own (pdftotext, ezdxf).
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>
#include <string>

#include "document/arquivo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

// What a command printed, and its exit code.
std::pair<int, std::string> Rodar(const std::string& comando) {
  std::string saida;
  FILE* processo = popen((comando + " 2>&1").c_str(), "r");
  char bloco[4096];
  std::size_t n = 0;
  while ((n = fread(bloco, 1, sizeof bloco, processo)) > 0) saida.append(bloco, n);
  const int estado = pclose(processo);
  return {WIFEXITED(estado) ? WEXITSTATUS(estado) : -1, saida};
}

fs::path Saida(const std::string& nome) {
  return fs::temp_directory_path() /
         ("zidod-folha-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" + nome);
}

std::pair<int, std::string> Folha(const std::string& argumentos) {
  return Rodar(std::string(ZIDOD_LOTE) + " folha " + argumentos);
}

// Every width, crossfall, slope ratio and legend row of the example.
const char* const kTextos[] = {"3,50",
                               "14,00",
                               "2,00 %",
                               "1,5 : 1",
                               "1 : 1",
                               "EIXO",
                               "LEGENDA",
                               "Camada de exemplo",
                               "M1",
                               "C1",
                               "2,10000",
                               "Área calculada (m²)",
                               "Escala: 1:100",
                               "Arquivo: exemplo.tpo",
                               "Secao de exemplo"};

TEST(FolhaLote, PdfTemCadaTexto) {
  const fs::path pdf = Saida("folha.pdf");
  const auto [codigo, erros] = Folha(kExemplo + " -o " + pdf.string());
  ASSERT_EQ(codigo, 0) << erros;
  ASSERT_EQ(LerArquivo(pdf.string()).substr(0, 5), "%PDF-");
  const auto [lido, texto] = Rodar("pdftotext -raw " + pdf.string() + " -");
  ASSERT_EQ(lido, 0) << texto;
  for (const char* t : kTextos) EXPECT_NE(texto.find(t), std::string::npos) << t << " not in:\n" << texto;
  // Four crossfalls and two ratios of each kind.
  const auto contar = [&](const std::string& t) {
    int n = 0;
    for (std::size_t i = texto.find(t); i != std::string::npos; i = texto.find(t, i + 1)) ++n;
    return n;
  };
  EXPECT_EQ(contar("2,00 %"), 4);
  EXPECT_EQ(contar("1,5 : 1"), 2);
  EXPECT_EQ(contar("3,50"), 4);
  EXPECT_EQ(Rodar("pdfinfo " + pdf.string()).second.find("(A4)") != std::string::npos, true);
  fs::remove(pdf);
}

TEST(FolhaLote, EscalaEPapelDados) {
  const fs::path pdf = Saida("a3.pdf");
  ASSERT_EQ(Folha(kExemplo + " -o " + pdf.string() + " --escala 50 --papel A3").first, 0);
  EXPECT_NE(Rodar("pdfinfo " + pdf.string()).second.find("(A3)"), std::string::npos);
  EXPECT_NE(Rodar("pdftotext " + pdf.string() + " -").second.find("Escala: 1:50"), std::string::npos);
  fs::remove(pdf);
  // A scale the paper cannot hold is drawn all the same, with a warning.
  const auto [cabe, aviso] = Folha(kExemplo + " -o " + pdf.string() + " --escala 50 --papel A4");
  EXPECT_EQ(cabe, 0);
  EXPECT_NE(aviso.find("não cabe na folha A4 na escala 1:50"), std::string::npos) << aviso;
  EXPECT_TRUE(fs::exists(pdf));
  fs::remove(pdf);
  for (const char* ruim : {" --escala 75", " --papel A5", " --escala", ""}) {
    const fs::path saida = Saida("ruim.pdf");
    const std::string argumentos = ruim[0] ? kExemplo + " -o " + saida.string() + ruim : kExemplo;
    EXPECT_EQ(Folha(argumentos).first, 1) << ruim;
    EXPECT_FALSE(fs::exists(saida)) << ruim;
  }
  const auto [codigo, erros] = Folha(kExemplo + " -o " + Saida("folha.bmp").string());
  EXPECT_EQ(codigo, 1);
  EXPECT_NE(erros.find(".pdf, .svg, .dxf ou .png"), std::string::npos) << erros;
}

TEST(FolhaLote, SvgTemOsTextos) {
  const fs::path svg = Saida("folha.svg");
  ASSERT_EQ(Folha(kExemplo + " -o " + svg.string()).first, 0);
  const std::string texto = LerArquivo(svg.string());
  EXPECT_NE(texto.find("<svg"), std::string::npos);
  for (const char* t : {"3,50", "14,00", "2,00 %", "1,5 : 1", "Camada de exemplo"})
    EXPECT_NE(texto.find(t), std::string::npos) << t;
  fs::remove(svg);
}

// The dimensions are DIMENSION entities a CAD measures itself: their
// measurements are the platform's widths.
TEST(FolhaLote, DxfTemCotasDeVerdade) {
  const fs::path dxf = Saida("folha.dxf");
  const auto [codigo, erros] = Folha(kExemplo + " -o " + dxf.string());
  ASSERT_EQ(codigo, 0) << erros;
  const auto [lido, json] = Rodar("/usr/bin/python3 " ZIDOD_FOLHA_EZDXF " " + dxf.string());
  ASSERT_EQ(lido, 0) << json;
  const QJsonObject j = QJsonDocument::fromJson(QByteArray::fromStdString(json)).object();
  EXPECT_TRUE(j["erros"].toArray().isEmpty()) << json;
  const QJsonArray cotas = j["cotas"].toArray();
  ASSERT_EQ(cotas.size(), 5) << json;
  const double medidas[] = {3.5, 3.5, 3.5, 3.5, 14};
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(cotas[k]["camada"].toString(), "COTAS");
    EXPECT_NEAR(cotas[k]["medida"].toDouble(), medidas[k], 1e-9) << k;
  }
  QStringList textos;
  for (const QJsonValue& t : j["textos"].toArray()) {
    EXPECT_EQ(t["camada"].toString(), "TEXTOS");
    textos << t["texto"].toString();
  }
  for (const char* t : {"2,00 %", "1,5 : 1", "1 : 1", "EIXO", "Camada de exemplo"})
    EXPECT_TRUE(textos.contains(QString::fromUtf8(t))) << t;
  EXPECT_EQ(textos.count("2,00 %"), 4);
  EXPECT_TRUE(j["camadas"].toArray().contains("CAMADA_1"));
  EXPECT_FALSE(j["camadas"].toArray().contains("CAMADA_2"));  // the example has one layer
  // The layer in the section and its sample in the legend.
  EXPECT_EQ(j["preenchimentos"].toArray(), QJsonArray({"CAMADA_1", "CAMADA_1"}));
  fs::remove(dxf);
}

}  // namespace
}  // namespace zidod
