// The messages the capture windows show the user, kept as data: identifier,
// icon, title and text. Every message goes through the data-access
// session's Muestra_Mensaje, so hosts can record or restyle them.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "promocionesQEX/Variant.h"

namespace promocionesQEX {

inline constexpr std::string_view kModulo = "promocionesQEX";

// Muestra_Mensaje's Botones: the icon, always with an OK button.
inline constexpr long kIconExclamation = 48;
inline constexpr long kIconStop = 16;

enum class MessageId {
  kNotEnoughStock,  // ERR-ID:7500001
  kCannotReduce,    // ERR-ID:7500002, takes the allowed quantity
  kCannotIncrease,  // ERR-ID:7500003, takes the allowed quantity
  kSeriesRequired,  // ERR-ID:7500004, takes the product's description
  kDetailError,     // ERR-ID:7500005, takes the error's description
  kTooManySeries,   // ERR-ID:7500006
  kSeriesError,     // ERR-ID:7500007, takes the error's description
  kPickListError,   // ERR-ID:7500008, takes the error's description
};

struct MessageDefinition {
  MessageId id;
  std::string_view identifier;  // "ERR-ID:75000nn"
  long buttons;                 // kIconExclamation or kIconStop
  std::string_view title;
  // The text; "{}" marks where the message's one value goes.
  std::string_view pattern;
};

// The eight messages, in identifier order.
std::span<const MessageDefinition> message_table();
const MessageDefinition& message_definition(MessageId id);

// The message's text with `value` in place of "{}"; patterns without "{}"
// ignore it. Quantities come as the caller shows them (general number format
// with the locale's decimal separator).
std::string message_text(MessageId id, std::string_view value = {});

// Shows the message through this thread's data-access session with the
// module name "promocionesQEX"; `window` is the calling window's handle.
Variant show_message(MessageId id, std::string_view value = {},
                     long window = 0);

}  // namespace promocionesQEX
