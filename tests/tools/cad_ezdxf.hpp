// What ezdxf, the independent reader, finds in a DXF file (cad_ezdxf.py).
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "cad/json_simples.hpp"

namespace zidod::teste {

struct tPoligonalEzdxf {
  std::string camada;
  bool fechada = false;
  std::vector<std::pair<double, double>> pontos;
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
  try {
    const tJson j = AnalisarJson(r.saida);
    r.versao = j.Membro("versao")->texto;
    for (const tJson& e : j.Membro("erros")->lista) r.erros.push_back(e.texto);
    r.correcoes = static_cast<int>(j.Membro("correcoes")->numero);
    for (const tJson& c : j.Membro("camadas")->lista) r.camadas.push_back(c.texto);
    for (const tJson& p : j.Membro("poligonais")->lista) {
      tPoligonalEzdxf q{p.Membro("camada")->texto, p.Membro("fechada")->logico, {}};
      for (const tJson& v : p.Membro("pontos")->lista)
        q.pontos.emplace_back(v.lista[0].numero, v.lista[1].numero);
      r.poligonais.push_back(std::move(q));
    }
    r.lida = true;
  } catch (const std::exception&) {
  }
  return r;
}

}  // namespace zidod::teste
