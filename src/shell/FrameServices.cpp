#include "shell/FrameServices.h"

#include "shell/Strings.h"

namespace harbinet {

void FrameServices::ShowError(const std::string& text) {
    ShowMessage(MessageIcon::Error, text::kCaptionError, text);
}

}  // namespace harbinet
