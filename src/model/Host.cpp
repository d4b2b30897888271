#include "model/Host.h"

#include "model/Strings.h"

namespace harbinet {

void Host::ShowError(const std::string& text) {
    ShowMessage(MessageIcon::Error, text::kCaptionError, text);
}

}  // namespace harbinet
