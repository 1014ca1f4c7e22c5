#include "document/formato_tpo.hpp"

#include <algorithm>

#include "document/numeros.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

// A field of the file: trimmed, left-aligned, cut or padded to `largura`.
// A text field keeps a leading "*": only a measurement reads it as no value.
std::string Campo(std::string_view texto, int largura, int decimais = 0) {
  if (decimais == 0 && !EmBranco(texto)) {
    const std::string aparado = PrimeirosCaracteres(Aparar(texto), static_cast<std::size_t>(largura));
    return aparado + std::string(static_cast<std::size_t>(largura) - ContarCaracteres(aparado), ' ');
  }
  return FormatarCampo(texto, largura, tAlinhamento::esquerda, decimais);
}

// A number's field: its general representation with fixed decimals.
std::string Campo(long double valor, int largura, int decimais) {
  return Campo(CortarNumero(FloatParaTextoFixoDoGeral(valor, decimais), static_cast<std::size_t>(largura)), largura);
}

std::string Campo(std::int32_t valor, int largura) { return Campo(std::to_string(valor), largura); }

constexpr std::string_view kSarjetaEsquerda = "# SARGETA_ESQUERDA";
constexpr std::string_view kSarjetaDireita = "# SARGETA_DIREITA ";
constexpr std::string_view kPlataforma = "# PLATAFORMA     ";
constexpr std::string_view kGeral = "GERAL            ";

// Columns are 1-based and inclusive, counted in the file's bytes (one byte,
// one character in Windows-1252).
std::string_view Colunas(std::string_view linha, std::size_t de, std::size_t ate) {
  if (de > linha.size()) return {};
  return linha.substr(de - 1, ate - de + 1);
}

std::string Texto(std::string_view linha, std::size_t de, std::size_t ate) {
  return Aparar(Windows1252ParaUtf8(Colunas(linha, de, ate)));
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
      if (linha.size() > kMaxLinha && !Comeca(linha, "&"))
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

  static std::int32_t Escolha(std::string_view linha, std::size_t coluna, int minimo, int maximo,
                              int numero, std::string_view nome) {
    const std::string texto = Texto(linha, coluna, coluna);
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
    if (primeiro == '!' && Colunas(linha, 3, 19) == "Ridiz Aroz Versao") {
      r.versao = versao_ = StrParaInt(Texto(linha, 21, 21));
      versaoLida_ = true;
      usada = true;
    }
    if (linha == kGrupoVariavel || linha == kGrupoFixo) {
      r.grupo = grupo_ = linha == kGrupoFixo ? 1 : 0;
      usada = true;
    }
    const bool esquerda = Comeca(linha, kSarjetaEsquerda);
    if (esquerda || Comeca(linha, kSarjetaDireita)) {
      tLinhaTpo::tSarjeta s;
      s.lado = esquerda ? tLado::esquerdo : tLado::direito;
      s.params.existencia = Escolha(linha, 20, 0, 2, numero, "\"Existente Em\"");
      s.params.larguraTopo = Texto(linha, 22, 36);
      s.params.larguraBase = Texto(linha, 38, 52);
      s.params.profundidade = Texto(linha, 54, 68);
      s.params.prefixo = Texto(linha, 70, 74);
      s.params.acompanharRampa = Colunas(linha, 75, 75) == "1";
      r.sarjeta = std::move(s);
      usada = true;
    }
    if (Comeca(linha, kPlataforma)) {
      tLinhaTpo::tTotais t{Texto(linha, 19, 33), Texto(linha, 35, 49)};
      if (t.larguraTotal.empty()) t.larguraTotal = "0.000";
      if (t.espessuraTotal.empty()) t.espessuraTotal = "0.000";
      r.totais = std::move(t);
      usada = true;
    }
    if (Comeca(linha, kGeral)) {
      tLinhaTpo::tGeral g;
      g.qtdePistas = Escolha(linha, 19, 1, 2, numero, "Número de pistas");
      g.ptsRotacao = Escolha(linha, 20, 1, 2, numero, "Número de pontos de rotação");
      g.eixoRotacao = Texto(linha, 21, 21);
      g.caimento = Texto(linha, 22, 22);
      r.geral = std::move(g);
      usada = true;
    }
    if (Comeca(linha, "\\ ")) {
      tLinhaTpo::tPavimento p;
      p.ncam = std::clamp<int>(StrParaInt(Texto(linha, 3, 4)), 1, kNumCamadas);
      p.ah = Texto(linha, 6, 10);
      p.mostrarPontos = Colunas(linha, 12, 12) == "1";
      r.pavimento = std::move(p);
      usada = true;
    }
    if (primeiro == '#' || primeiro == '|') {
      if (slot_ + 1 >= kNumSlots)
        Recusar(numero, "o arquivo tem mais de " + std::to_string(kNumSlots) + " seções.");
      ++slot_;
      indice_ = -1;
      nPontos_[slot_] = 0;
      categoria_ = RotuloCategoria(1);
      // A layer header writes its material in 20 columns, a "#" header names
      // its section in the first 15.
      r.cabecalho = tLinhaTpo::tCabecalho{slot_,
                                          grupo_,
                                          Texto(linha, 3, primeiro == '|' ? 22 : 17),
                                          Texto(linha, 24, 52),
                                          Texto(linha, 54, 68),
                                          Texto(linha, 70, 84)};
      usada = true;
    }
    if (primeiro == '&') {
      r.descricao = Texto(linha, 3, linha.size());
      usada = true;
    }
    if (primeiro == '~') {
      ExigirSecao(numero, "Linha de prefixos \"~\"");
      r.prefixos = tLinhaTpo::tPrefixos{slot_, Texto(linha, 3, 17), Texto(linha, 18, 33)};
      usada = true;
    }
    if (primeiro == '%' && versao_ >= 2) {
      ExigirSecao(numero, "Subseção de categoria \"%\"");
      if (slot_ != segCorteEsq1 && slot_ != segCorteDir1)
        Recusar(numero, "subseção de categoria \"%\" fora dos taludes de corte.");
      categoria_ = Texto(linha, 3, 6);
      indice_ = -1;
      if (const auto alvo = SlotDaCategoria()) {
        nPontos_[*alvo] = 0;
        r.inicioCategoria = *alvo;
        usada = true;
      }
    }
    if (primeiro == '*') {
      ExigirSecao(numero, "Linha de ponto \"*\"");
      ++indice_;
      // Points under a category other than CAT1 to CAT3 belong to no slot.
      if (const auto alvo = SlotDaCategoria()) {
        if (indice_ >= kMaxPontos || nPontos_[*alvo] >= kMaxPontos)
          Recusar(numero, "mais de " + std::to_string(kMaxPontos) + " pontos no mesmo elemento.");
        tLinhaTpo::tPonto p;
        p.slot = *alvo;
        p.indice = indice_;
        p.x = StrParaFloat(Texto(linha, 3, 17));
        p.y = StrParaFloat(Texto(linha, 18, 32));
        p.rotulo = categoria_;
        if (slot_ == segPlataforma) {
          p.rotulo = Texto(linha, 34, 48);
          if (!EmBranco(Colunas(linha, 50, 50))) p.codigo = StrParaInt(Texto(linha, 50, 52));
        }
        ++nPontos_[*alvo];
        r.ponto = std::move(p);
        usada = true;
      }
    }
    if (!usada) return std::nullopt;
    return r;
  }

  std::optional<int> SlotDaCategoria() const {
    for (int k = 1; k <= 3; ++k)
      if (categoria_ == RotuloCategoria(k))
        return k == 1 ? slot_ : slot_ + (k == 2 ? kDistanciaCat2 : kDistanciaCat3);
    return std::nullopt;
  }
};

}  // namespace

std::string LinhaDescricao(std::string_view linha) { return "& " + std::string(linha); }

std::string LinhaGeral(const TSegs& p) {
  return "GERAL" + std::string(13, ' ') + Campo(p.qtdePistas, 1) + Campo(p.ptsRotacao, 1) +
         Campo(p.eixoRotacao, 1) + Campo(p.caimento, 1);
}

std::string LinhaPlataforma(const TSegs& p) {
  return "# PLATAFORMA" + std::string(6, ' ') + Campo(p.larguraTotal, 15) + " " +
         Campo(p.espessuraTotal, 15);
}

std::string LinhaCabecalho(std::string_view nomeSecao) { return "# " + std::string(nomeSecao); }

std::string LinhaPrefixos(const TSegs& t) {
  return "~ " + Campo(t.prefixo, 15) + " " + Campo(t.prefixoOffset, 15);
}

std::string LinhaCategoria(int categoria, std::string_view nomeSecao) {
  return "% " + RotuloCategoria(categoria) + " " + std::string(nomeSecao);
}

std::string LinhaSarjeta(tLado lado, const tSarjetaParams& s) {
  return std::string(lado == tLado::esquerdo ? "# SARGETA_ESQUERDA " : "# SARGETA_DIREITA  ") +
         Campo(s.existencia, 1) + " " + Campo(s.larguraTopo, 15, 3) + " " +
         Campo(s.larguraBase, 15, 3) + " " + Campo(s.profundidade, 15, 3) + " " +
         Campo(s.prefixo, 5) + (s.acompanharRampa ? "1" : "0");
}

std::string LinhaPavimento(int ncam, std::string_view ah, bool mostrarPontos) {
  return "\\ " + Campo(ncam, 2) + " " + Campo(ah, 5) + " " + (mostrarPontos ? "1" : "0");
}

std::string LinhaCamada(const TSegs& c) {
  return "| " + Campo(c.material, 20) + " " + Campo(c.descricao, 29) + " " + Campo(c.prefixo, 15) +
         " " + Campo(c.area, 15, 5) + " ATERRO";
}

std::string LinhaPontoPlataforma(const TSegs& p, int i) {
  return LinhaPonto(p, i) + " " + Campo(p.rotulo[i], 15) + " " + Campo(p.codigo[i], 3);
}

std::string LinhaPonto(const TSegs& seg, int i) {
  return "* " + Campo(seg.x[i], 15, 5) + Campo(seg.y[i], 15, 5);
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
