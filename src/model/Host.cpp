#include "model/Host.h"

#include <algorithm>

#include "model/Strings.h"

namespace harbinet {

int ChangeProgress::Percent() const {
    const auto percent = [](std::uint64_t done, std::uint64_t total) {
        return total == 0 ? 100 : static_cast<int>(std::min(done, total) * 100 / total);
    };
    return bytesTotal > 0 ? percent(bytesDone, bytesTotal) : percent(filesDone, filesTotal);
}

void Host::ShowError(const std::string& text) {
    ShowMessage(MessageIcon::Error, text::kCaptionError, text);
}

}  // namespace harbinet
