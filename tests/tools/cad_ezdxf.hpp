// What ezdxf, the independent reader, finds in a DXF file (cad_ezdxf.py).
#pragma once

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace zidod::teste {

struct tPoligonalEzdxf {
  std::string camada;
  bool fechada = false;
  std::vector<std::pair<double, double>> pontos;
  std::vector<double> abaulamentos{};  // one per point
};

struct tLeituraEzdxf {
  bool lida = false;
  std::string saida;  // what the reader printed, for failure messages
  std::string versao;
  std::vector<std::string> erros;  // of its audit
  int correcoes = 0;
  std::vector<std::string> camadas;
  std::vector<tPoligonalEzdxf> poligonais;
};

inline tLeituraEzdxf LerComEzdxf(const std::string& caminho) {
  tLeituraEzdxf r;
  const std::string comando =
      std::string("/usr/bin/python3 ") + ZIDOD_EZDXF_LEITOR + " '" + caminho + "' 2>&1";
  FILE* processo = popen(comando.c_str(), "r");
  if (!processo) return r;
  char bloco[4096];
  std::size_t n = 0;
  while ((n = fread(bloco, 1, sizeof bloco, processo)) > 0) r.saida.append(bloco, n);
  if (pclose(processo) != 0) return r;
  QJsonParseError erro{};
  const QJsonObject j =
      QJsonDocument::fromJson(QByteArray::fromStdString(r.saida), &erro).object();
  if (erro.error != QJsonParseError::NoError) return r;
  const auto texto = [](const QJsonValue& v) { return v.toString().toStdString(); };
  r.versao = texto(j["versao"]);
  for (const QJsonValue& e : j["erros"].toArray()) r.erros.push_back(texto(e));
  r.correcoes = j["correcoes"].toInt();
  for (const QJsonValue& c : j["camadas"].toArray()) r.camadas.push_back(texto(c));
  for (const QJsonValue& p : j["poligonais"].toArray()) {
    const QJsonObject o = p.toObject();
    tPoligonalEzdxf q{texto(o["camada"]), o["fechada"].toBool(), {}};
    for (const QJsonValue& v : o["pontos"].toArray())
      q.pontos.emplace_back(v[0].toDouble(), v[1].toDouble());
    for (const QJsonValue& b : o["abaulamentos"].toArray()) q.abaulamentos.push_back(b.toDouble());
    r.poligonais.push_back(std::move(q));
  }
  r.lida = true;
  return r;
}

}  // namespace zidod::teste
