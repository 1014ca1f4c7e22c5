// Whatever the editor holds, the file it writes is read back as the same
// section: generated documents, written, read into a fresh editor, compared.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "document/formato_tpo.hpp"
#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {
namespace {

class tGerador {
 public:
  explicit tGerador(unsigned semente) : sorte_(semente) {}

  int Inteiro(int de, int ate) { return std::uniform_int_distribution<int>(de, ate)(sorte_); }
  bool Sim(int vezesEm100) { return Inteiro(1, 100) <= vezesEm100; }

  // Any character of Windows-1252 but the controls, ends trimmed as fields are.
  std::string Texto(int maximo) {
    std::string bytes;
    const int n = Inteiro(0, maximo);
    for (int i = 0; i < n; ++i) bytes.push_back(static_cast<char>(Inteiro(0x21, 0xFF)));
    if (n > 2) bytes[static_cast<std::size_t>(Inteiro(1, n - 2))] = ' ';
    return Windows1252ParaUtf8(bytes);
  }

  long double Numero() {
    const long double extremos[] = {
        1E4932L, -1E4932L, std::numeric_limits<long double>::max(), -std::numeric_limits<long double>::max(),
        std::numeric_limits<long double>::denorm_min(), -0.0L, 9.99999E+99L, 1.23456789012345E20L,
        123456789012345678.0L, -123456789.5L, 1e15L, -1e-20L, 99999999999999.99999L};
    switch (Inteiro(0, 3)) {
      case 0: return extremos[Inteiro(0, std::size(extremos) - 1)];
      case 1: return std::uniform_real_distribution<long double>(-1000, 1000)(sorte_);
      default: return StrParaFloat(std::to_string(Inteiro(-5000000, 5000000)) + "e-5");
    }
  }

  // A measurement as its field shows it after the user leaves it.
  std::string Medida() { return FormatarCampo(Sim(20) ? "" : FloatParaTexto(Numero()), 10, tAlinhamento::nenhum, 3); }

  void Pontos(TSegs& seg, const std::string& rotulo = {}) {
    seg.nPontos = Sim(10) ? kMaxPontos : Inteiro(0, 6);
    for (int i = 0; i < seg.nPontos; ++i) {
      seg.x[i] = Numero();
      seg.y[i] = Numero();
      seg.rotulo[i] = rotulo;
    }
  }

  TEstadoEditor Documento() {
    TEstadoEditor e;
    const int linhas = Inteiro(0, 3);
    for (int i = 0; i < linhas; ++i)
      e.plataforma.Memo1.push_back(Sim(15) ? std::string(Inteiro(70000, 140000), 'd') + Texto(20) : Texto(80));
    e.plataforma.radioqtdepistas = Inteiro(0, 1);
    e.plataforma.radioptsrotacao = Inteiro(0, 1);
    e.plataforma.radioeixo = Inteiro(0, 4);
    e.plataforma.radiocaimento = Inteiro(0, 1);
    e.pavimento.edit6 = Medida();
    e.pavimento.edit7 = Medida();
    e.pavimento.ncam = Inteiro(1, kNumCamadas);
    e.desenho.ah = std::to_string(Inteiro(1, 999));
    e.desenho.mp = Sim(50);

    TSegs& plataforma = e.secao.segs[segPlataforma];
    Pontos(plataforma);
    for (int i = 0; i < plataforma.nPontos; ++i) {
      plataforma.rotulo[i] = Texto(15);
      const auto& id = kIdentificadores[static_cast<std::size_t>(Inteiro(0, kIdentificadores.size() - 1))];
      plataforma.codigo[i] = Sim(30) && id.codigoSecundario ? *id.codigoSecundario : id.codigo;
    }
    for (const int slot : {segAterroEsq, segAterroDir}) Pontos(e.secao.segs[slot]);
    for (const tLado lado : {tLado::esquerdo, tLado::direito})
      for (int k = 1; k <= 3; ++k) Pontos(e.secao.segs[SlotCorte(lado, k)], RotuloCategoria(k));
    for (const int slot : {segAterroEsq, segAterroDir, segCorteEsq1, segCorteDir1}) {
      e.secao.segs[slot].prefixo = Texto(15);
      e.secao.segs[slot].prefixoOffset = Texto(15);
    }
    // Reading a gutter option other than a fresh editor's rebuilds that
    // gutter from the platform as read, rounded, and moves the slopes onto
    // it: such a gutter is given here without dimensions, so that reading
    // moves nothing.
    for (tSarjetaParams* s : {&e.secao.sarjetaEsq, &e.secao.sarjetaDir}) {
      s->existencia = Inteiro(0, 2);
      s->acompanharRampa = Sim(50);
      const bool reconstruidaAoLer = s->existencia != 0 || !s->acompanharRampa;
      s->larguraTopo = reconstruidaAoLer ? "**********" : Medida();
      s->larguraBase = Medida();
      s->profundidade = Medida();
      s->prefixo = Texto(5);
    }
    Pontos(e.secao.segs[segSarjetaCentral]);
    for (int slot = segCamada1; slot <= segCamada12; ++slot) {
      TSegs& camada = e.secao.segs[slot];
      Pontos(camada);
      camada.areaFixa = 1;
      camada.material = Texto(20);
      camada.descricao = Texto(29);
      camada.prefixo = Texto(15);
      camada.area = Sim(20) ? "" : FloatParaTexto(Numero());
    }
    // The slopes and gutters where the editor's own chain puts them.
    MontarSecao(e.secao, true);
    return e;
  }

 private:
  std::mt19937 sorte_;
};

// The same value to the five decimals of the file, or, for a value too long
// for its field, to the digits that fit.
void ExpectMesmoNumero(long double lido, long double escrito, const std::string& onde) {
  const long double tolerancia = 6e-6L + 1e-7L * std::fabs(escrito);
  EXPECT_LE(std::fabs(lido - escrito), tolerancia) << onde << ": " << FloatParaTexto(escrito) << " lido como "
                                                   << FloatParaTexto(lido);
}

// Two field texts that stand for the same measurement.
void ExpectMesmaMedida(const std::string& lida, const std::string& escrita, const std::string& onde) {
  EXPECT_EQ(TemValor(lida), TemValor(escrita)) << onde << ": '" << escrita << "' lido como '" << lida << "'";
  if (TemValor(escrita)) ExpectMesmoNumero(StrParaFloat(lida), StrParaFloatTolerante(escrita), onde);
}

void ExpectMesmosPontos(const TSegs& lido, const TSegs& escrito, const std::string& onde) {
  ASSERT_EQ(lido.nPontos, escrito.nPontos) << onde;
  for (int i = 0; i < escrito.nPontos; ++i) {
    ExpectMesmoNumero(lido.x[i], escrito.x[i], onde + " x[" + std::to_string(i) + "]");
    ExpectMesmoNumero(lido.y[i], escrito.y[i], onde + " y[" + std::to_string(i) + "]");
  }
}

void ExpectMesmaSecao(const TEstadoEditor& lido, const TEstadoEditor& escrito) {
  EXPECT_EQ(lido.plataforma.Memo1, escrito.plataforma.Memo1);
  EXPECT_EQ(lido.plataforma.radioqtdepistas, escrito.plataforma.radioqtdepistas);
  EXPECT_EQ(lido.plataforma.radioptsrotacao, escrito.plataforma.radioptsrotacao);
  EXPECT_EQ(lido.plataforma.radioeixo, escrito.plataforma.radioeixo);
  EXPECT_EQ(lido.plataforma.radiocaimento, escrito.plataforma.radiocaimento);
  ExpectMesmaMedida(lido.pavimento.edit6, escrito.pavimento.edit6, "Largura Total");
  ExpectMesmaMedida(lido.pavimento.edit7, escrito.pavimento.edit7, "Espessura Total");
  EXPECT_EQ(lido.pavimento.ncam, escrito.pavimento.ncam);
  EXPECT_EQ(lido.desenho.ah, escrito.desenho.ah);
  EXPECT_EQ(lido.desenho.mp, escrito.desenho.mp);

  const auto& l = lido.secao.segs;
  const auto& w = escrito.secao.segs;
  for (int slot = segPlataforma; slot <= segSarjetaCentral; ++slot)
    ExpectMesmosPontos(l[slot], w[slot], "slot " + std::to_string(slot));
  for (const tLado lado : {tLado::esquerdo, tLado::direito})
    for (int k = 2; k <= 3; ++k) ExpectMesmosPontos(l[SlotCorte(lado, k)], w[SlotCorte(lado, k)], "corte");
  for (int i = 0; i < w[segPlataforma].nPontos; ++i) {
    EXPECT_EQ(l[segPlataforma].rotulo[i], w[segPlataforma].rotulo[i]);
    EXPECT_EQ(l[segPlataforma].codigo[i], w[segPlataforma].codigo[i]);
  }
  for (const int slot : {segAterroEsq, segAterroDir, segCorteEsq1, segCorteDir1}) {
    EXPECT_EQ(l[slot].prefixo, w[slot].prefixo) << "slot " << slot;
    EXPECT_EQ(l[slot].prefixoOffset, w[slot].prefixoOffset) << "slot " << slot;
  }
  for (const auto& [ls, ws] : {std::pair{&lido.secao.sarjetaEsq, &escrito.secao.sarjetaEsq},
                              std::pair{&lido.secao.sarjetaDir, &escrito.secao.sarjetaDir}}) {
    EXPECT_EQ(ls->existencia, ws->existencia);
    ExpectMesmaMedida(ls->larguraTopo, ws->larguraTopo, "Largura do Topo");
    ExpectMesmaMedida(ls->larguraBase, ws->larguraBase, "Largura da Base");
    ExpectMesmaMedida(ls->profundidade, ws->profundidade, "Profundidade");
    EXPECT_EQ(ls->prefixo, ws->prefixo);
    EXPECT_EQ(ls->acompanharRampa, ws->acompanharRampa);
  }
  // Layers without points are not written: the others come back in order.
  int lida = segCamada1;
  for (int slot = segCamada1; slot <= segCamada12; ++slot) {
    if (w[slot].nPontos == 0) continue;
    const std::string onde = "camada do slot " + std::to_string(slot);
    ExpectMesmosPontos(l[lida], w[slot], onde);
    EXPECT_EQ(l[lida].material, w[slot].material) << onde;
    EXPECT_EQ(l[lida].descricao, w[slot].descricao) << onde;
    EXPECT_EQ(l[lida].prefixo, w[slot].prefixo) << onde;
    ExpectMesmaMedida(l[lida].area, w[slot].area, onde + " área");
    ++lida;
  }
}

// The first line where two files differ, or nothing.
std::string PrimeiraDiferenca(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  if (i == a.size() && i == b.size()) return {};
  const std::size_t inicio = a.rfind('\n', i) == std::string::npos ? 0 : a.rfind('\n', i) + 1;
  const auto linha = [&](const std::string& s) { return s.substr(inicio, s.find('\r', inicio) - inicio); };
  return "'" + linha(a) + "' e depois '" + linha(b) + "'";
}

TEST(IdaEVoltaTpo, DocumentoGeradoVoltaIgual) {
  for (unsigned semente = 1; semente <= 300; ++semente) {
    SCOPED_TRACE("semente " + std::to_string(semente));
    TEstadoEditor escrito = tGerador(semente).Documento();
    const std::string bytes = escrito.GerarTpo();
    TEstadoEditor lido;
    ASSERT_NO_THROW(lido.LerTpo(bytes, "ida.tpo"));
    ExpectMesmaSecao(lido, escrito);
    // Read back, the section writes the very same file.
    EXPECT_EQ(PrimeiraDiferenca(bytes, lido.GerarTpo()), "");
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace zidod
