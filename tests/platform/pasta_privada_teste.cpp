// The folder of the CAD link's sockets: only one the user alone can enter is
// used, by the editor and by the stand-in alike.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/pasta_privada.hpp"
#include "platform/transporte_local.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

// A fresh folder of the test's own, removed at the end.
class PastaPrivada : public ::testing::Test {
 protected:
  void SetUp() override {
    char modelo[] = "/tmp/zidod-pasta-XXXXXX";
    ASSERT_NE(mkdtemp(modelo), nullptr);
    raiz = modelo;
  }
  void TearDown() override {
    fs::remove_all(raiz);
    Ambiente("XDG_RUNTIME_DIR", xdg);
    Ambiente("TMPDIR", tmpdir);
  }
  static std::optional<std::string> Ler(const char* nome) {
    const char* v = std::getenv(nome);
    return v ? std::optional<std::string>(v) : std::nullopt;
  }
  static void Ambiente(const char* nome, const std::optional<std::string>& valor) {
    if (valor)
      setenv(nome, valor->c_str(), 1);
    else
      unsetenv(nome);
  }
  std::string Pasta(const std::string& nome, mode_t modo) {
    const std::string p = raiz + "/" + nome;
    mkdir(p.c_str(), 0700);
    chmod(p.c_str(), modo);
    return p;
  }

  std::string raiz;
  std::optional<std::string> xdg = Ler("XDG_RUNTIME_DIR");
  std::optional<std::string> tmpdir = Ler("TMPDIR");
};

// The refusal's message, empty when the folder is accepted.
std::string Recusa(const std::string& pasta) {
  try {
    VerificarPastaPrivada(pasta);
  } catch (const ErroPastaPrivada& e) {
    return e.what();
  }
  return {};
}

TEST_F(PastaPrivada, SoAPastaDoUsuarioFechadaAosOutros) {
  const std::string privada = Pasta("privada", 0700);
  fs::create_directory_symlink(privada, raiz + "/atalho");
  std::string alheia = Pasta("alheia", 0700);
  if (geteuid() != 0 || chown(alheia.c_str(), 65534, 65534) != 0) alheia.clear();
  const struct {
    std::string pasta;
    const char* motivo;  // in the message; null when accepted
  } casos[] = {
      {privada, nullptr},
      {Pasta("aberta", 0755), "aberta a outros usuários"},
      {Pasta("grupo", 0770), "aberta a outros usuários"},
      {Pasta("escrita", 0702), "aberta a outros usuários"},
      {raiz + "/atalho", "não é uma pasta"},
      {raiz + "/falta", "não pôde ser lida"},
      {alheia, "pertence a outro usuário"},
  };
  for (const auto& c : casos) {
    if (c.pasta.empty()) continue;  // no other user to give it to
    const std::string recusa = Recusa(c.pasta);
    if (!c.motivo)
      EXPECT_EQ(recusa, "") << c.pasta;
    else
      EXPECT_NE(recusa.find(c.motivo), std::string::npos) << c.pasta << ": " << recusa;
  }
}

TEST_F(PastaPrivada, XdgRuntimeDirOuUmaPastaFeitaPrivada) {
  setenv("XDG_RUNTIME_DIR", Pasta("xdg", 0700).c_str(), 1);
  EXPECT_EQ(CaminhoSocketCad("AutoCAD.Application"), raiz + "/xdg/AutoCAD.Application");
  setenv("XDG_RUNTIME_DIR", Pasta("xdg-aberta", 0777).c_str(), 1);
  EXPECT_THROW(PastaSocketsCad(), ErroPastaPrivada);

  unsetenv("XDG_RUNTIME_DIR");
  setenv("TMPDIR", raiz.c_str(), 1);
  const std::string feita = raiz + "/zidod-evuv-" + std::to_string(geteuid());
  EXPECT_EQ(PastaSocketsCad(), feita);
  EXPECT_EQ(fs::status(feita).permissions(), fs::perms::owner_all);
  // One that someone made open beforehand is refused, and left as it was.
  chmod(feita.c_str(), 0777);
  EXPECT_THROW(PastaSocketsCad(), ErroPastaPrivada);
  EXPECT_EQ(fs::status(feita).permissions(), fs::perms::all);
}

// A program listening in a folder others can enter is not even asked.
TEST_F(PastaPrivada, ConectorRecusaSocketEmPastaAberta) {
  const std::string aberta = Pasta("aberta", 0755);
  setenv("XDG_RUNTIME_DIR", aberta.c_str(), 1);
  for (const std::string& prefixo : {std::string(), aberta + "/"}) {
    TConectorSocketLocal conector(prefixo);
    try {
      conector.ObterObjetoAtivo("AutoCAD.Application");
      ADD_FAILURE() << "a pasta aberta foi aceita: " << prefixo;
    } catch (const ErroCadRecusado& e) {
      EXPECT_NE(std::string(e.what()).find(aberta), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace zidod
