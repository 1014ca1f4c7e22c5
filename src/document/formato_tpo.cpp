#include "document/formato_tpo.hpp"

#include <algorithm>

#include "document/numeros.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

// A field: columns `de` to `ate`, 1-based and inclusive, counted in the
// file's bytes (one byte, one character in Windows-1252).
struct tColunas {
  std::size_t de;
  std::size_t ate;
  constexpr int Largura() const { return static_cast<int>(ate - de + 1); }
};

// The columns of every line, for the writer and the reader alike.
constexpr struct { tColunas marca{3, 19}, numero{21, 21}; } versao;  // marca: "Ridiz Aroz Versao"
constexpr struct { tColunas qtdePistas{19, 19}, ptsRotacao{20, 20}, eixoRotacao{21, 21}, caimento{22, 22}; } geral;
constexpr struct { tColunas larguraTotal{19, 33}, espessuraTotal{35, 49}; } plataforma;
constexpr struct { tColunas x{3, 17}, y{18, 32}, rotulo{34, 48}, codigo{50, 52}; } ponto;
constexpr struct { tColunas prefixo{3, 17}, prefixoOffset{19, 33}; } prefixos;
constexpr struct { tColunas categoria{3, 6}; } subsecao;
constexpr struct {
  tColunas existencia{20, 20}, larguraTopo{22, 36}, larguraBase{38, 52}, profundidade{54, 68};
  tColunas prefixo{70, 74}, acompanharRampa{75, 75};
} sarjeta;
constexpr struct { tColunas ncam{3, 4}, ah{6, 10}, mostrarPontos{12, 12}; } pavimento;
// The layer header; the reader takes its columns from every section header.
// "ATERRO" is never read.
constexpr struct {
  tColunas material{3, 22}, descricao{24, 52}, prefixo{54, 68}, area{70, 84}, aterro{86, 91};
} cabecalho;

// How the lines start: the writer pads the text up to the first field, the
// reader recognises a line by the first `reconhecidos` characters of that.
struct tInicio {
  std::string_view texto;
  tColunas primeiroCampo;
  std::size_t reconhecidos;
};
constexpr tInicio kInicioGeral{"GERAL", geral.qtdePistas, 17};
constexpr tInicio kInicioPlataforma{"# PLATAFORMA", plataforma.larguraTotal, 17};
constexpr tInicio kInicioSarjetaEsquerda{"# SARGETA_ESQUERDA", sarjeta.existencia, 18};
constexpr tInicio kInicioSarjetaDireita{"# SARGETA_DIREITA", sarjeta.existencia, 18};
constexpr tInicio kInicioPavimento{"\\", pavimento.ncam, 2};
constexpr tInicio kInicioPrefixos{"~", prefixos.prefixo, 2};
constexpr tInicio kInicioCategoria{"%", subsecao.categoria, 2};
constexpr tInicio kInicioPonto{"*", ponto.x, 2};
constexpr tInicio kInicioCamada{"|", cabecalho.material, 2};
constexpr tInicio kInicioDescricao{"&", {3, 3}, 2};
constexpr tInicio kInicioSecao{"#", cabecalho.material, 2};

bool Eh(char primeiro, const tInicio& inicio) { return primeiro == inicio.texto[0]; }

constexpr std::string_view kNomeCentral = "SARGETA_CENTRAL";

std::string Preenchido(std::string_view texto, std::size_t colunas) {
  std::string s(texto);
  const std::size_t n = ContarCaracteres(s);
  if (n < colunas) s.append(colunas - n, ' ');
  return s;
}

std::string Reconhecido(const tInicio& inicio) {
  return Preenchido(inicio.texto, inicio.primeiroCampo.de - 1).substr(0, inicio.reconhecidos);
}

// A field of the file: trimmed, left-aligned, cut or padded to `largura`.
// A text field keeps a leading "*": only a measurement reads it as no value.
std::string Campo(std::string_view texto, int largura, int decimais = 0) {
  if (decimais == 0 && !EmBranco(texto))
    return Preenchido(PrimeirosCaracteres(Aparar(texto), static_cast<std::size_t>(largura)),
                      static_cast<std::size_t>(largura));
  return FormatarCampo(texto, largura, tAlinhamento::esquerda, decimais);
}

// One line being written, field by field at the columns of the table; the
// gaps between fields are spaces.
class tLinha {
 public:
  explicit tLinha(const tInicio& inicio) : texto_(Preenchido(inicio.texto, inicio.primeiroCampo.de - 1)) {}

  tLinha& Texto(tColunas c, std::string_view valor, int decimais = 0) {
    texto_ = Preenchido(texto_, c.de - 1) + Campo(valor, c.Largura(), decimais);
    return *this;
  }
  // A number's field: its general representation with fixed decimals.
  tLinha& Numero(tColunas c, long double valor, int decimais) {
    const auto largura = static_cast<std::size_t>(c.Largura());
    return Texto(c, CortarNumero(FloatParaTextoFixoDoGeral(valor, decimais), largura));
  }
  tLinha& Inteiro(tColunas c, std::int32_t valor) { return Texto(c, std::to_string(valor)); }
  tLinha& Marca(tColunas c, bool marcada) { return Texto(c, marcada ? "1" : "0"); }

  std::string Fim() const { return texto_; }

 private:
  std::string texto_;
};

std::string_view Colunas(std::string_view linha, tColunas c) {
  if (c.de > linha.size()) return {};
  return linha.substr(c.de - 1, c.ate - c.de + 1);
}

std::string Texto(std::string_view linha, tColunas c) {
  return Aparar(Windows1252ParaUtf8(Colunas(linha, c)));
}

bool Comeca(std::string_view linha, std::string_view inicio) {
  return linha.substr(0, inicio.size()) == inicio;
}

// Reader state for one file; it mirrors what applying the lines will do, so
// that a file that does not fit the document is refused before it is applied.
class tLeitor {
 public:
  std::vector<tLinhaTpo> Analisar(std::string_view bytes) {
    std::vector<tLinhaTpo> registros;
    int numero = 0;
    for (std::size_t inicio = 0; inicio < bytes.size();) {
      std::size_t fim = bytes.find('\n', inicio);
      if (fim == std::string_view::npos) fim = bytes.size();
      std::string_view linha = bytes.substr(inicio, fim - inicio);
      if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
      inicio = fim + 1;
      ++numero;
      // A section file is text of short lines; anything else is refused at
      // once rather than read as lines that match no rule. Only a line of the
      // free description is as long as the user made it: the writer keeps it
      // whole, so the reader takes it whole.
      if (linha.size() > kMaxLinha && !Comeca(linha, kInicioDescricao.texto))
        Recusar(numero, "linha longa demais (mais de " + std::to_string(kMaxLinha) +
                            " caracteres); o arquivo não é uma seção tipo.");
      if (linha.find('\0') != std::string_view::npos)
        Recusar(numero, "caractere nulo; o arquivo não é uma seção tipo.");
      try {
        if (auto r = AnalisarLinha(linha, numero)) registros.push_back(std::move(*r));
      } catch (const ErroConversao& e) {
        throw ErroArquivo("Linha " + std::to_string(numero) + ": " + e.what());
      }
    }
    if (slot_ < 0 && !versaoLida_)
      throw ErroArquivo("O arquivo não é uma seção tipo: não tem a linha de versão nem seções.");
    return registros;
  }

 private:
  // Far longer than any fixed-column line the writer makes.
  static constexpr std::size_t kMaxLinha = 65536;

  int versao_ = 0;
  bool versaoLida_ = false;
  std::uint8_t grupo_ = 0;
  int slot_ = -1;
  int indice_ = -1;
  std::string categoria_;
  std::array<int, kNumSlots> nPontos_{};

  [[noreturn]] static void Recusar(int numero, const std::string& motivo) {
    throw ErroArquivo("Linha " + std::to_string(numero) + ": " + motivo);
  }

  void ExigirSecao(int numero, std::string_view tipo) const {
    if (slot_ < 0) Recusar(numero, std::string(tipo) + " antes do primeiro cabeçalho de seção.");
  }

  static std::int32_t Escolha(std::string_view linha, tColunas coluna, int minimo, int maximo,
                              int numero, std::string_view nome) {
    const std::string texto = Texto(linha, coluna);
    const std::int32_t valor = StrParaInt(texto);
    if (valor < minimo || valor > maximo)
      Recusar(numero, std::string(nome) + " inválido: '" + texto + "'.");
    return valor;
  }

  std::optional<tLinhaTpo> AnalisarLinha(std::string_view linha, int numero) {
    tLinhaTpo r;
    r.numero = numero;
    bool usada = false;
    const char primeiro = linha.empty() ? '\0' : linha[0];

    // Only the version line: a description or a layer material may begin
    // with the same words and must come back as it was written.
    if (primeiro == kLinhaVersao[0] && Colunas(linha, versao.marca) == Colunas(kLinhaVersao, versao.marca)) {
      r.versao = versao_ = StrParaInt(Texto(linha, versao.numero));
      versaoLida_ = true;
      usada = true;
    }
    if (linha == kGrupoVariavel || linha == kGrupoFixo) {
      r.grupo = grupo_ = linha == kGrupoFixo ? 1 : 0;
      usada = true;
    }
    static const std::string sarjetaEsquerda = Reconhecido(kInicioSarjetaEsquerda);
    static const std::string sarjetaDireita = Reconhecido(kInicioSarjetaDireita);
    const bool esquerda = Comeca(linha, sarjetaEsquerda);
    if (esquerda || Comeca(linha, sarjetaDireita)) {
      tLinhaTpo::tSarjeta s;
      s.lado = esquerda ? tLado::esquerdo : tLado::direito;
      s.params.existencia = Escolha(linha, sarjeta.existencia, 0, 2, numero, "\"Existente Em\"");
      s.params.larguraTopo = Texto(linha, sarjeta.larguraTopo);
      s.params.larguraBase = Texto(linha, sarjeta.larguraBase);
      s.params.profundidade = Texto(linha, sarjeta.profundidade);
      s.params.prefixo = Texto(linha, sarjeta.prefixo);
      s.params.acompanharRampa = Colunas(linha, sarjeta.acompanharRampa) == "1";
      r.sarjeta = std::move(s);
      usada = true;
    }
    static const std::string inicioPlataforma = Reconhecido(kInicioPlataforma);
    if (Comeca(linha, inicioPlataforma)) {
      tLinhaTpo::tTotais t{Texto(linha, plataforma.larguraTotal), Texto(linha, plataforma.espessuraTotal)};
      if (t.larguraTotal.empty()) t.larguraTotal = kTotalEmBranco;
      if (t.espessuraTotal.empty()) t.espessuraTotal = kTotalEmBranco;
      r.totais = std::move(t);
      usada = true;
    }
    static const std::string inicioGeral = Reconhecido(kInicioGeral);
    if (Comeca(linha, inicioGeral)) {
      tLinhaTpo::tGeral g;
      g.qtdePistas = Escolha(linha, geral.qtdePistas, 1, 2, numero, "Número de pistas");
      g.ptsRotacao = Escolha(linha, geral.ptsRotacao, 1, 2, numero, "Número de pontos de rotação");
      g.eixoRotacao = Texto(linha, geral.eixoRotacao);
      g.caimento = Texto(linha, geral.caimento);
      r.geral = std::move(g);
      usada = true;
    }
    static const std::string inicioPavimento = Reconhecido(kInicioPavimento);
    if (Comeca(linha, inicioPavimento)) {
      tLinhaTpo::tPavimento p;
      p.ncam = std::clamp<int>(StrParaInt(Texto(linha, pavimento.ncam)), 1, kNumCamadas);
      p.ah = Texto(linha, pavimento.ah);
      p.mostrarPontos = Colunas(linha, pavimento.mostrarPontos) == "1";
      r.pavimento = std::move(p);
      usada = true;
    }
    if (Eh(primeiro, kInicioSecao) || Eh(primeiro, kInicioCamada)) {
      if (slot_ + 1 >= kNumSlots)
        Recusar(numero, "o arquivo tem mais de " + std::to_string(kNumSlots) + " seções.");
      ++slot_;
      indice_ = -1;
      nPontos_[slot_] = 0;
      categoria_ = RotuloCategoria(1);
      // A layer header writes its material in 20 columns, a "#" header names
      // its section in the first 15.
      const tColunas material =
          Eh(primeiro, kInicioCamada) ? cabecalho.material : tColunas{cabecalho.material.de, cabecalho.material.de + 14};
      r.cabecalho = tLinhaTpo::tCabecalho{slot_,
                                          grupo_,
                                          Texto(linha, material),
                                          Texto(linha, cabecalho.descricao),
                                          Texto(linha, cabecalho.prefixo),
                                          Texto(linha, cabecalho.area)};
      usada = true;
    }
    if (Eh(primeiro, kInicioDescricao)) {
      r.descricao = Texto(linha, {kInicioDescricao.primeiroCampo.de, linha.size()});
      usada = true;
    }
    if (Eh(primeiro, kInicioPrefixos)) {
      ExigirSecao(numero, "Linha de prefixos \"~\"");
      // The offset is read from the column that separates it on, as it always was.
      r.prefixos = tLinhaTpo::tPrefixos{slot_, Texto(linha, prefixos.prefixo),
                                        Texto(linha, {prefixos.prefixoOffset.de - 1, prefixos.prefixoOffset.ate})};
      usada = true;
    }
    if (Eh(primeiro, kInicioCategoria) && versao_ >= 2) {
      ExigirSecao(numero, "Subseção de categoria \"%\"");
      if (slot_ != segCorteEsq1 && slot_ != segCorteDir1)
        Recusar(numero, "subseção de categoria \"%\" fora dos taludes de corte.");
      categoria_ = Texto(linha, subsecao.categoria);
      indice_ = -1;
      if (const auto alvo = SlotDaCategoriaAtual()) {
        nPontos_[*alvo] = 0;
        r.inicioCategoria = *alvo;
        usada = true;
      }
    }
    if (Eh(primeiro, kInicioPonto)) {
      ExigirSecao(numero, "Linha de ponto \"*\"");
      ++indice_;
      // Points under a category other than CAT1 to CAT3 belong to no slot.
      if (const auto alvo = SlotDaCategoriaAtual()) {
        if (indice_ >= kMaxPontos || nPontos_[*alvo] >= kMaxPontos)
          Recusar(numero, "mais de " + std::to_string(kMaxPontos) + " pontos no mesmo elemento.");
        tLinhaTpo::tPonto p;
        p.slot = *alvo;
        p.indice = indice_;
        p.x = StrParaFloat(Texto(linha, ponto.x));
        p.y = StrParaFloat(Texto(linha, ponto.y));
        p.rotulo = categoria_;
        if (slot_ == segPlataforma) {
          p.rotulo = Texto(linha, ponto.rotulo);
          if (!EmBranco(Colunas(linha, {ponto.codigo.de, ponto.codigo.de})))
            p.codigo = StrParaInt(Texto(linha, ponto.codigo));
        }
        ++nPontos_[*alvo];
        r.ponto = std::move(p);
        usada = true;
      }
    }
    if (!usada) return std::nullopt;
    return r;
  }

  std::optional<int> SlotDaCategoriaAtual() const {
    for (int k = 1; k <= 3; ++k)
      if (categoria_ == RotuloCategoria(k)) return SlotDaCategoria(slot_, k);
    return std::nullopt;
  }
};

}  // namespace

std::string_view NomeSecao(int slot) {
  switch (slot) {
    case segPlataforma: return kInicioPlataforma.texto.substr(2);
    case segAterroEsq: return "TALUDE_ATERRO_ESQUERDO";
    case segAterroDir: return "TALUDE_ATERRO_DIREITO";
    case segCorteEsq1: return "TALUDE_CORTE_ESQUERDO";
    case segCorteDir1: return "TALUDE_CORTE_DIREITO";
    case segSarjetaEsq: return kInicioSarjetaEsquerda.texto.substr(2);
    case segSarjetaDir: return kInicioSarjetaDireita.texto.substr(2);
    case segSarjetaCentral: return kNomeCentral;
    default: return {};
  }
}

std::string LinhaDescricao(std::string_view linha) {
  return Preenchido(kInicioDescricao.texto, kInicioDescricao.primeiroCampo.de - 1) + std::string(linha);
}

std::string LinhaGeral(const TSegs& p) {
  return tLinha(kInicioGeral)
      .Inteiro(geral.qtdePistas, p.qtdePistas)
      .Inteiro(geral.ptsRotacao, p.ptsRotacao)
      .Texto(geral.eixoRotacao, p.eixoRotacao)
      .Texto(geral.caimento, p.caimento)
      .Fim();
}

std::string LinhaPlataforma(const TSegs& p) {
  return tLinha(kInicioPlataforma)
      .Texto(plataforma.larguraTotal, p.larguraTotal)
      .Texto(plataforma.espessuraTotal, p.espessuraTotal)
      .Fim();
}

std::string LinhaCabecalho(std::string_view nomeSecao) {
  return Preenchido(kInicioSecao.texto, kInicioSecao.primeiroCampo.de - 1) + std::string(nomeSecao);
}

std::string LinhaPrefixos(const TSegs& t) {
  return tLinha(kInicioPrefixos)
      .Texto(prefixos.prefixo, t.prefixo)
      .Texto(prefixos.prefixoOffset, t.prefixoOffset)
      .Fim();
}

std::string LinhaCategoria(int categoria, std::string_view nomeSecao) {
  return tLinha(kInicioCategoria).Texto(subsecao.categoria, RotuloCategoria(categoria)).Fim() + " " +
         std::string(nomeSecao);
}

std::string LinhaSarjeta(tLado lado, const tSarjetaParams& s) {
  return tLinha(lado == tLado::esquerdo ? kInicioSarjetaEsquerda : kInicioSarjetaDireita)
      .Inteiro(sarjeta.existencia, s.existencia)
      .Texto(sarjeta.larguraTopo, s.larguraTopo, 3)
      .Texto(sarjeta.larguraBase, s.larguraBase, 3)
      .Texto(sarjeta.profundidade, s.profundidade, 3)
      .Texto(sarjeta.prefixo, s.prefixo)
      .Marca(sarjeta.acompanharRampa, s.acompanharRampa)
      .Fim();
}

std::string LinhaPavimento(int ncam, std::string_view ah, bool mostrarPontos) {
  return tLinha(kInicioPavimento)
      .Inteiro(pavimento.ncam, ncam)
      .Texto(pavimento.ah, ah)
      .Marca(pavimento.mostrarPontos, mostrarPontos)
      .Fim();
}

std::string LinhaCamada(const TSegs& c) {
  return tLinha(kInicioCamada)
      .Texto(cabecalho.material, c.material)
      .Texto(cabecalho.descricao, c.descricao)
      .Texto(cabecalho.prefixo, c.prefixo)
      .Texto(cabecalho.area, c.area, 5)
      .Texto(cabecalho.aterro, "ATERRO")
      .Fim();
}

std::string LinhaPontoPlataforma(const TSegs& p, int i) {
  return tLinha(kInicioPonto)
      .Numero(ponto.x, p.x[i], 5)
      .Numero(ponto.y, p.y[i], 5)
      .Texto(ponto.rotulo, p.rotulo[i])
      .Inteiro(ponto.codigo, p.codigo[i])
      .Fim();
}

std::string LinhaPonto(const TSegs& seg, int i) {
  return tLinha(kInicioPonto).Numero(ponto.x, seg.x[i], 5).Numero(ponto.y, seg.y[i], 5).Fim();
}

std::vector<tLinhaTpo> AnalisarTpo(std::string_view bytes) { return tLeitor().Analisar(bytes); }

std::string MontarArquivoTpo(const std::vector<std::string>& linhas) {
  std::string bytes;
  for (const std::string& linha : linhas) {
    bytes += Utf8ParaWindows1252(linha);
    bytes += "\r\n";
  }
  return bytes;
}

}  // namespace zidod
