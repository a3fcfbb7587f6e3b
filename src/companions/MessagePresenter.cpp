#include "companions/MessagePresenter.h"

#include <atomic>

namespace promocionesQEX::companions {
namespace {
std::atomic<MessagePresenter> gPresenter{nullptr};
}  // namespace

void install_message_presenter(MessagePresenter presenter) {
  gPresenter.store(presenter);
}

MessagePresenter message_presenter() { return gPresenter.load(); }

}  // namespace promocionesQEX::companions
