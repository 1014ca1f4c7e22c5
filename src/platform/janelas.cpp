#include "platform/janelas.hpp"

#include <QGuiApplication>
#include <xcb/xcb.h>

#include <cstring>
#include <memory>
#include <vector>

namespace zidod {

namespace {

template <typename T>
using tResposta = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atomo(xcb_connection_t* c, const char* nome) {
  tResposta<xcb_intern_atom_reply_t> r(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome), nullptr),
      &std::free);
  return r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> Filhas(xcb_connection_t* c, xcb_window_t janela) {
  tResposta<xcb_query_tree_reply_t> r(xcb_query_tree_reply(c, xcb_query_tree(c, janela), nullptr), &std::free);
  if (!r) return {};
  const xcb_window_t* filhas = xcb_query_tree_children(r.get());
  return {filhas, filhas + xcb_query_tree_children_length(r.get())};
}

bool TemClasse(xcb_connection_t* c, xcb_window_t janela, const std::string& classe) {
  tResposta<xcb_get_property_reply_t> r(
      xcb_get_property_reply(
          c, xcb_get_property(c, 0, janela, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 0, 256), nullptr),
      &std::free);
  if (!r) return false;
  const int tamanho = xcb_get_property_value_length(r.get());
  const char* valor = static_cast<const char*>(xcb_get_property_value(r.get()));
  // "instance\0class\0"
  const std::string texto(valor, static_cast<std::size_t>(tamanho));
  const std::size_t fimInstancia = texto.find('\0');
  if (fimInstancia == std::string::npos) return false;
  const std::string nomeClasse = texto.substr(fimInstancia + 1, texto.find('\0', fimInstancia + 1) - fimInstancia - 1);
  return nomeClasse == classe;
}

// Client windows sit at most two levels below the root: a window manager
// puts each inside a frame of its own.
xcb_window_t Procurar(xcb_connection_t* c, xcb_window_t raiz, const std::string& classe) {
  for (xcb_window_t topo : Filhas(c, raiz)) {
    if (TemClasse(c, topo, classe)) return topo;
    for (xcb_window_t filha : Filhas(c, topo))
      if (TemClasse(c, filha, classe)) return filha;
  }
  return XCB_WINDOW_NONE;
}

}  // namespace

bool ForcarPrimeiroPlano(QWidget* janela) {
  if (!janela) return false;
  QWidget* topo = janela->window();
  if (topo->isMinimized()) topo->showNormal();
  topo->raise();
  topo->activateWindow();
  return topo->isActiveWindow();
}

bool TrazerJanelaDaClasse(const std::string& classe) {
  // Only the xcb platform has a connection; offscreen may offer the
  // interface without one.
  if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb")) return false;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return false;
  const xcb_screen_t* tela = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t janela = Procurar(c, tela->root, classe);
  if (janela == XCB_WINDOW_NONE) return false;

  const std::uint32_t acima = XCB_STACK_MODE_ABOVE;
  xcb_configure_window(c, janela, XCB_CONFIG_WINDOW_STACK_MODE, &acima);
  // Window managers raise and focus on _NET_ACTIVE_WINDOW; 2 = asked for by a pager.
  xcb_client_message_event_t ativar{};
  ativar.response_type = XCB_CLIENT_MESSAGE;
  ativar.format = 32;
  ativar.window = janela;
  ativar.type = Atomo(c, "_NET_ACTIVE_WINDOW");
  ativar.data.data32[0] = 2;
  ativar.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(c, 0, tela->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&ativar));
  xcb_flush(c);
  return true;
}

}  // namespace zidod
