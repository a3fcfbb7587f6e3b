#include "frame/Messages.h"

#include <array>
#include <string>

#include "frame/Publico.h"

namespace promocionesQEX {
namespace {

constexpr std::string_view kPlaceholder = "{}";

constexpr std::array<MessageDefinition, 8> kMessages{{
    {MessageId::kNotEnoughStock, "ERR-ID:7500001", kIconExclamation, "ATENCION",
     "No hay suficiente producto disponible para surtir la promoción actual"},
    {MessageId::kCannotReduce, "ERR-ID:7500002", kIconExclamation, "ATENCION",
     "No tiene permiso para reducir la cantidad en promoción, permitido({}) "
     "!!!"},
    {MessageId::kCannotIncrease, "ERR-ID:7500003", kIconExclamation, "ATENCION",
     "No tiene permiso para aumentar la cantidad en promoción, permitido({}) "
     "!!!"},
    {MessageId::kSeriesRequired, "ERR-ID:7500004", kIconExclamation, "Aceptar",
     "El producto {} es serializado, debe especificar las series para "
     "continuar!"},
    {MessageId::kDetailError, "ERR-ID:7500005", kIconStop, "Advertencia", "{}"},
    {MessageId::kTooManySeries, "ERR-ID:7500006", kIconExclamation,
     "Captura promoción",
     "La cantidad de series capturadas sobrepasa el de la promoción"},
    {MessageId::kSeriesError, "ERR-ID:7500007", kIconStop, "Advertencia", "{}"},
    {MessageId::kPickListError, "ERR-ID:7500008", kIconStop, "Advertencia",
     "{}"},
}};

// The table is indexed by the enumeration; this keeps the two in step.
constexpr bool table_in_enum_order() {
  for (std::size_t i = 0; i < kMessages.size(); ++i)
    if (static_cast<std::size_t>(kMessages[i].id) != i) return false;
  return true;
}
static_assert(table_in_enum_order());

}  // namespace

std::span<const MessageDefinition> message_table() { return kMessages; }

const MessageDefinition& message_definition(MessageId id) {
  return kMessages.at(static_cast<std::size_t>(id));
}

std::string message_text(MessageId id, std::string_view value) {
  const std::string_view pattern = message_definition(id).pattern;
  const std::size_t at = pattern.find(kPlaceholder);
  if (at == std::string_view::npos) return std::string(pattern);
  std::string text;
  text.reserve(pattern.size() - kPlaceholder.size() + value.size());
  text.append(pattern.substr(0, at))
      .append(value)
      .append(pattern.substr(at + kPlaceholder.size()));
  return text;
}

Variant show_message(MessageId id, std::string_view value, long window) {
  const MessageDefinition& m = message_definition(id);
  return publico().goSesionDatos->Muestra_Mensaje(
      message_text(id, value), m.buttons, std::string(m.title), window,
      std::string(kModulo), std::string(m.identifier));
}

}  // namespace promocionesQEX
