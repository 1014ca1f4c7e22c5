// The section as the editor holds it after reading, as one JSON object.
#pragma once

#include <QJsonObject>

#include "editing/sessao_secao.hpp"

namespace zidod {

QJsonObject SecaoEmJson(const TSessaoSecao& sessao);

}  // namespace zidod
