#include "document/arquivo.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

namespace zidod {

namespace {

namespace fs = std::filesystem;

struct tFecharArquivo {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using tArquivo = std::unique_ptr<std::FILE, tFecharArquivo>;

[[noreturn]] void Falhar(const std::string& acao, const std::string& caminho, int erro) {
  throw ErroArquivo("Não foi possível " + acao + " o arquivo \"" + caminho +
                    "\": " + std::strerror(erro));
}

// The same bound the system puts on following links.
constexpr int kMaxLigacoes = 40;

// What a save of `caminho` replaces: the end of its chain of symbolic links,
// which need not exist yet, or `caminho` itself.
std::string Alvo(const std::string& caminho) {
  fs::path alvo = caminho;
  for (int ligacoes = 0;; ++ligacoes) {
    struct stat info {};
    if (::lstat(alvo.c_str(), &info) != 0) {
      if (errno == ENOENT) return alvo.string();
      Falhar("gravar", caminho, errno);
    }
    if (!S_ISLNK(info.st_mode)) return alvo.string();
    if (ligacoes == kMaxLigacoes) Falhar("gravar", caminho, ELOOP);
    std::error_code erro;
    const fs::path destino = fs::read_symlink(alvo, erro);
    if (erro) Falhar("gravar", caminho, erro.value());
    alvo = alvo.parent_path() / destino;  // an absolute destination replaces the whole
  }
}

fs::path PastaDe(const std::string& alvo) {
  const fs::path pasta = fs::path(alvo).parent_path();
  return pasta.empty() ? fs::path(".") : pasta;
}

// Temporary files are "<name>.~<digits>.tmp": no other target's temporary
// file, nor any name that is not one, has that form.
std::string NomeTemporario(const std::string& alvo) {
  std::random_device semente;
  return alvo + ".~" + std::to_string(semente()) + ".tmp";
}

bool ETemporarioDe(const std::string& nome, const std::string& nomeAlvo) {
  const std::string inicio = nomeAlvo + ".~";
  const std::string fim = ".tmp";
  if (nome.size() <= inicio.size() + fim.size() || nome.compare(0, inicio.size(), inicio) != 0 ||
      nome.compare(nome.size() - fim.size(), fim.size(), fim) != 0)
    return false;
  for (std::size_t i = inicio.size(); i < nome.size() - fim.size(); ++i)
    if (nome[i] < '0' || nome[i] > '9') return false;
  return true;
}

// Removes the temporary files that killed saves of `alvo` left. A save under
// way holds a lock on its temporary file, so it is left alone; so is what
// cannot be opened, is not a plain file or changed meanwhile.
void RemoverSobras(const std::string& alvo) {
  const std::string nomeAlvo = fs::path(alvo).filename().string();
  std::error_code erro;
  for (fs::directory_iterator it(PastaDe(alvo), erro), fim; !erro && it != fim; it.increment(erro)) {
    const fs::path sobra = it->path();
    if (!ETemporarioDe(sobra.filename().string(), nomeAlvo)) continue;
    const int fd = ::open(sobra.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat aberto {}, agora {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &aberto) == 0 && S_ISREG(aberto.st_mode) &&
        ::lstat(sobra.c_str(), &agora) == 0 && agora.st_dev == aberto.st_dev && agora.st_ino == aberto.st_ino)
      ::unlink(sobra.c_str());
    ::close(fd);
  }
}

// The new version of the file while it is written: locked, and removed
// unless it took the target's name.
struct tTemporario {
  std::string nome;
  int fd = -1;
  bool renomeado = false;
  tTemporario() = default;
  tTemporario(const tTemporario&) = delete;
  tTemporario& operator=(const tTemporario&) = delete;
  ~tTemporario() {
    if (!renomeado && !nome.empty()) ::unlink(nome.c_str());
    if (fd >= 0) ::close(fd);
  }
};

void CriarTemporario(tTemporario& t, const std::string& alvo, const std::string& caminho, mode_t modo) {
  for (int tentativa = 0; tentativa < 16; ++tentativa) {
    const std::string nome = NomeTemporario(alvo);
    const int fd = ::open(nome.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
    if (fd < 0) {
      const int erro = errno;
      if (erro == EEXIST) continue;
      if (erro == EACCES || erro == EPERM || erro == EROFS)
        throw ErroPastaSemEscrita("Não foi possível gravar o arquivo \"" + caminho + "\": a pasta \"" +
                                  PastaDe(alvo).string() + "\" não permite criar arquivos (" +
                                  std::strerror(erro) + ").");
      Falhar("gravar", caminho, erro);
    }
    // Between its creation and the lock another save may have taken the
    // file for a leftover and removed it; then a new name is tried.
    struct stat info {};
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink == 0) {
      ::close(fd);
      continue;
    }
    t.nome = nome;
    t.fd = fd;
    return;
  }
  Falhar("gravar", caminho, EEXIST);
}

void Escrever(int fd, std::string_view bytes, const std::string& caminho) {
  constexpr std::size_t kBloco = std::size_t{1} << 30;
  for (std::size_t feito = 0; feito < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + feito, std::min(bytes.size() - feito, kBloco));
    if (n < 0) {
      if (errno == EINTR) continue;
      Falhar("gravar", caminho, errno);
    }
    feito += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string LerArquivo(const std::string& caminho) {
  std::error_code erroPasta;
  if (std::filesystem::is_directory(caminho, erroPasta)) Falhar("ler", caminho, EISDIR);
  tArquivo f(std::fopen(caminho.c_str(), "rb"));
  if (!f) Falhar("abrir", caminho, errno);
  std::string bytes;
  char bloco[1 << 16];
  std::size_t lidos = 0;
  while ((lidos = std::fread(bloco, 1, sizeof bloco, f.get())) > 0) bytes.append(bloco, lidos);
  if (std::ferror(f.get())) Falhar("ler", caminho, errno);
  return bytes;
}

void GravarArquivo(const std::string& caminho, std::string_view bytes) {
  const std::string alvo = Alvo(caminho);
  struct stat antigo {};
  const bool existe = ::stat(alvo.c_str(), &antigo) == 0;
  if (!existe && errno != ENOENT) Falhar("gravar", caminho, errno);
  if (existe) {
    if (S_ISDIR(antigo.st_mode)) Falhar("gravar", caminho, EISDIR);
    if (!S_ISREG(antigo.st_mode))
      throw ErroArquivo("Não foi possível gravar o arquivo \"" + caminho + "\": não é um arquivo comum.");
    // Renaming over a file needs only the folder's permission: ask for the file's.
    if (::faccessat(AT_FDCWD, alvo.c_str(), W_OK, AT_EACCESS) != 0) Falhar("gravar", caminho, errno);
  }
  RemoverSobras(alvo);

  tTemporario novo;
  // Private until it has the old file's owner and mode, so that its content
  // is never open to more readers than the old file's was.
  CriarTemporario(novo, alvo, caminho, existe ? 0600 : 0666);
  if (existe) {
    // Owner first: a change of owner clears the set-id bits that fchmod puts back.
    if (::fchown(novo.fd, antigo.st_uid, antigo.st_gid) != 0 &&
        ::fchown(novo.fd, static_cast<uid_t>(-1), antigo.st_gid) != 0) {
      // Not allowed: the new file is the user's, with the user's group.
    }
    if (::fchmod(novo.fd, antigo.st_mode & 07777) != 0) Falhar("gravar", caminho, errno);
  }
  Escrever(novo.fd, bytes, caminho);
  if (::fsync(novo.fd) != 0) Falhar("gravar", caminho, errno);
  if (::rename(novo.nome.c_str(), alvo.c_str()) != 0) Falhar("gravar", caminho, errno);
  novo.renomeado = true;

  // The rename lasts only once the folder is on disk. A folder that cannot
  // be opened for reading cannot be flushed, and that is all.
  const int pasta = ::open(PastaDe(alvo).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (pasta >= 0) {
    const int sincronizada = ::fsync(pasta);
    const int erro = errno;
    ::close(pasta);
    if (sincronizada != 0 && erro != EINVAL) Falhar("gravar", caminho, erro);
  }
}

}  // namespace zidod
