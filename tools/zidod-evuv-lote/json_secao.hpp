// The section as the editor holds it after reading, as one JSON object.
#pragma once

#include <QJsonObject>

#include "editing/estado_editor.hpp"

namespace zidod {

QJsonObject SecaoEmJson(const TEstadoEditor& editor, int versao);

}  // namespace zidod
