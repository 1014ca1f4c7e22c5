// The computed area in the real window: a layer edited with mouse and keys
// until it crosses itself is saved, and the batch tool reads the file back
// with the warning the PAVIMENTO page shows. The area from the CAD stays.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <cstdio>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv";

// What `zidod-evuv-lote json` prints for the file.
QJsonObject Json(const std::string& arquivo) {
  std::string saida;
  FILE* processo = popen((std::string(ZIDOD_LOTE) + " json '" + arquivo + "' 2>/dev/null").c_str(), "r");
  if (!processo) return {};
  char bloco[4096];
  std::size_t lidos = 0;
  while ((lidos = fread(bloco, 1, sizeof bloco, processo)) > 0) saida.append(bloco, lidos);
  pclose(processo);
  return QJsonDocument::fromJson(QByteArray::fromStdString(saida)).object();
}

TEST(AreasX, CamadaQueSeCruzaGravadaComOAviso) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo});
  const std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  TGemeo gemeo(editor, arquivo);
  ASSERT_TRUE(QTest::qWaitFor([&] { return gemeo.Janela().Estado().secao.segs[segPlataforma].nPontos == 5; }));

  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 3));  // PAVIMENTO
  // The last two points change sides: the closing side crosses the second.
  for (const auto& [linha, x] : {std::pair{2, "-7"}, std::pair{3, "7"}}) {
    editor.Clicar(kPrincipal, gemeo.Celula("sg3", linha, 1));
    editor.Teclas("F2 ctrl+a");
    editor.Digitar(x);
    editor.Teclas("Return");
  }
  editor.Clicar(kPrincipal, gemeo.Menu("Arquivo"));
  editor.Teclas("Down Down Down Return");  // "Salvar"

  QJsonObject camada;
  EXPECT_TRUE(editor.Esperar([&] {
    camada = Json(arquivo)["segs"][SlotCamada(1)].toObject();
    return camada["pontos"][3]["x"].toDouble() == 7;
  })) << QJsonDocument(camada).toJson().toStdString();
  EXPECT_EQ(camada["avisos"].toArray(), QJsonArray({"A camada cruza a si mesma entre os pontos 4 e 1."}));
  EXPECT_EQ(camada["areaCalculada"].toDouble(-1), 0);
  EXPECT_EQ(camada["area"].toString(), "2.10000");
}

}  // namespace
}  // namespace zidod
