// The CAD link against what another user of the machine, or a stuck CAD,
// could do: a socket of another user is refused before anything is sent, the
// stand-in does not take a name that is not free, and a selection that never
// ends is given up with a message that says after how long.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLocalServer>
#include <QProcess>
#include <chrono>
#include <filesystem>

#include "editing/estado_editor.hpp"
#include "platform/pasta_privada.hpp"
#include "platform/transporte_local.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
constexpr const char* kClasse = "AutoCAD.Application";

class CadSeguranca : public ::testing::Test {
 protected:
  void TearDown() override {
    for (QProcess* p : {&substituto, &outro}) {
      if (p->state() == QProcess::NotRunning) continue;
      p->kill();
      p->waitForFinished(5000);
    }
    if (filho > 0) {
      kill(filho, SIGKILL);
      waitpid(filho, nullptr, 0);
    }
    fs::remove_all(CaminhoSocketCad(prefixo + kClasse));
  }

  // Starts a stand-in in test mode; empty when it serves, else what it said.
  std::string Iniciar(QProcess& p, QStringList argumentos = {}) {
    argumentos << "--teste"
               << "--classe" << QString::fromStdString(prefixo + kClasse);
    p.start(ZIDOD_CAD_SUBSTITUTO, argumentos);
    if (!p.waitForStarted(5000)) return "não iniciou";
    if (!p.waitForReadyRead(10000)) {
      p.waitForFinished(5000);
      return p.readAllStandardError().toStdString();
    }
    return p.readAllStandardOutput().trimmed() == "pronto" ? "" : "não ficou pronto";
  }

  std::string prefixo =
      "zidod-seg-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
      "-" + std::to_string(getpid()) + "-";
  QProcess substituto;
  QProcess outro;
  pid_t filho = -1;
  TEstadoEditor editor;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
};

// Another user (uid 65534) listens under the CAD's name, in a folder it can
// reach: the editor refuses it and sends it nothing of the section.
TEST_F(CadSeguranca, ProgramaDeOutroUsuarioRecusado) {
  if (geteuid() != 0) GTEST_SKIP() << "só quem é root pode fazer um par de outro usuário";
  const std::string caminho = CaminhoSocketCad(prefixo + kClasse);
  int canal[2];
  ASSERT_EQ(pipe(canal), 0);
  sockaddr_un endereco{};
  endereco.sun_family = AF_UNIX;
  caminho.copy(endereco.sun_path, sizeof endereco.sun_path - 1);
  filho = fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    // The peer's credentials are those of the moment it listens.
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (bind(fd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
        setgid(65534) != 0 || setuid(65534) != 0 || listen(fd, 4) != 0)
      _exit(1);
    (void)!write(canal[1], "L", 1);
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 20000) <= 0) _exit(2);
    const int conexao = accept(fd, nullptr, nullptr);
    char bloco[4096];
    long recebidos = 0;
    for (ssize_t n; (n = read(conexao, bloco, sizeof bloco)) > 0;) recebidos += n;
    (void)!write(canal[1], &recebidos, sizeof recebidos);
    _exit(0);
  }
  close(canal[1]);
  char pronto = 0;
  ASSERT_EQ(read(canal[0], &pronto, 1), 1);

  editor.LerTpo(kExemplo);
  editor.conectorCad = std::make_shared<TConectorSocketLocal>(prefixo, 2s);
  editor.dialogos = dialogos;
  editor.dxButton2Click();
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Erro no AutoCAD !!!");
  EXPECT_NE(dialogos->mensagens[0].texto.find("não é do usuário (é do usuário 65534)"),
            std::string::npos)
      << dialogos->mensagens[0].texto;

  pollfd p{canal[0], POLLIN, 0};
  long recebidos = -1;
  ASSERT_GT(poll(&p, 1, 10000), 0);
  ASSERT_EQ(read(canal[0], &recebidos, sizeof recebidos), static_cast<ssize_t>(sizeof recebidos));
  close(canal[0]);
  EXPECT_EQ(recebidos, 0);
  waitpid(filho, nullptr, 0);
  filho = -1;
}

TEST_F(CadSeguranca, SubstitutoNaoTomaUmNomeOcupado) {
  ASSERT_EQ(Iniciar(outro), "");
  EXPECT_NE(Iniciar(substituto).find("Outro programa já atende como " + prefixo + kClasse),
            std::string::npos);
  outro.kill();
  outro.waitForFinished(5000);

  // Not a socket left behind: kept, and said so.
  const std::string caminho = CaminhoSocketCad(prefixo + kClasse);
  fs::remove(caminho);
  fs::create_directory(caminho);
  fs::create_directory(caminho + "/dentro");
  EXPECT_NE(Iniciar(substituto).find("está tomado por " + caminho), std::string::npos);
  EXPECT_TRUE(fs::is_directory(caminho + "/dentro"));
}

TEST_F(CadSeguranca, SubstitutoRecusaPastaAberta) {
  const fs::path aberta = fs::temp_directory_path() / (prefixo + "pasta");
  fs::create_directory(aberta);
  fs::permissions(aberta, fs::perms::all);
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("XDG_RUNTIME_DIR", QString::fromStdString(aberta.string()));
  substituto.setProcessEnvironment(ambiente);
  const std::string dito = Iniciar(substituto);
  fs::remove_all(aberta);
  EXPECT_NE(dito.find("aberta a outros usuários"), std::string::npos) << dito;
}

// The selection never ends in the CAD: after its limit the editor stops
// waiting and says for how long it waited; nothing changes.
TEST_F(CadSeguranca, SelecaoSemFimDesisteDepoisDoLimite) {
  ASSERT_EQ(Iniciar(substituto, {"--demora-selecao", "30000", "--selecao", "0"}), "");
  editor.conectorCad = std::make_shared<TConectorSocketLocal>(prefixo, kLimiteNovasTentativas, 1s);
  editor.dialogos = dialogos;
  const TGradeTexto antes = editor.plataforma.sg1;
  editor.BitBtn1Click();
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Erro no AutoCAD !!!");
  EXPECT_EQ(dialogos->mensagens[0].texto,
            "A seleção no AutoCAD não terminou em 1 segundo; o editor deixou de esperar por "
            "ela.\rExecute esta função novamente.");
  EXPECT_EQ(editor.plataforma.sg1, antes);
}

}  // namespace
}  // namespace zidod
