#include "change/CopyIndex.h"

#include <charconv>
#include <vector>

#include "platform/Text.h"

namespace harbinet {

namespace {

constexpr std::string_view kHeader = "Harbinet copies 1\n";
// Far more than the files of every set and staged season together.
constexpr std::size_t kMaxFile = 64u << 20;

std::string StampText(const files::FileStamp& s) {
    return std::to_string(s.device) + " " + std::to_string(s.inode) + " " + std::to_string(s.size) +
           " " + std::to_string(s.lastWrite) + " " + std::to_string(s.changed);
}

bool ParseStamp(std::string_view text, files::FileStamp& s) {
    std::int64_t values[5];
    const char* p = text.data();
    const char* end = text.data() + text.size();
    for (std::int64_t& v : values) {
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc()) return false;
        p = next < end && *next == ' ' ? next + 1 : next;
    }
    if (p != end) return false;
    s.type = files::FileStamp::Type::File;
    s.device = static_cast<std::uint64_t>(values[0]);
    s.inode = static_cast<std::uint64_t>(values[1]);
    s.size = values[2];
    s.lastWrite = values[3];
    s.changed = values[4];
    return true;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> out;
    for (;;) {
        const auto tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return out;
        line.remove_prefix(tab + 1);
    }
}

// The stamp as the index keeps it: only what a copy is proven by.
files::FileStamp Kept(files::FileStamp s) {
    s.readOnly = false;
    return s;
}

}  // namespace

CopyIndex::CopyIndex(std::string file, std::string base)
    : file_(std::move(file)), base_(std::move(base)) {}

std::string CopyIndex::Relative(const std::string& path) const {
    return path.starts_with(base_) ? path.substr(base_.size()) : path;
}

std::string CopyIndex::Absolute(const std::string& path) const {
    return files::IsAbsolutePath(path) ? path : base_ + path;
}

void CopyIndex::Load() {
    copies_.clear();
    changed_ = false;
    std::string text;
    if (!files::ReadWholeFile(file_, text, kMaxFile) || !text.starts_with(kHeader)) return;
    std::string_view rest = std::string_view(text).substr(kHeader.size());
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        const auto f = Fields(line);
        Copy copy;
        // A damaged line proves nothing: that copy is proven by its bytes instead.
        if (f.size() != 4 || !ParseStamp(f[2], copy.sourceStamp) ||
            !ParseStamp(f[3], copy.targetStamp))
            continue;
        copy.source = UnescapeLine(f[1]);
        copies_[UnescapeLine(f[0])] = std::move(copy);
    }
}

bool CopyIndex::Save() {
    for (auto it = copies_.begin(); it != copies_.end();) {
        if (!it->second.seen &&
            files::Stamp(Absolute(it->first)).type == files::FileStamp::Type::Missing) {
            it = copies_.erase(it);
            changed_ = true;
        } else {
            ++it;
        }
    }
    if (!changed_) return true;
    std::string text(kHeader);
    for (const auto& [target, copy] : copies_)
        text += EscapeForLine(target) + "\t" + EscapeForLine(copy.source) + "\t" +
                StampText(copy.sourceStamp) + "\t" + StampText(copy.targetStamp) + "\n";
    // Not flushed: waiting for the disk here would wait for every copy the change made. An
    // index lost to a power cut only makes the next change prove its copies by their bytes.
    if (!files::WriteFileAtomic(file_, text, false)) return false;
    changed_ = false;
    return true;
}

const CopyIndex::Copy* CopyIndex::Find(const std::string& target) const {
    const auto it = copies_.find(Relative(target));
    return it == copies_.end() ? nullptr : &it->second;
}

bool CopyIndex::IsCurrentCopy(const std::string& target, const std::string& source,
                              const files::FileStamp& targetStamp,
                              const files::FileStamp& sourceStamp) const {
    const Copy* copy = Find(target);
    return copy && Absolute(copy->source) == source && Kept(targetStamp) == copy->targetStamp &&
           Kept(sourceStamp) == copy->sourceStamp;
}

std::optional<std::string> CopyIndex::SourceOf(const std::string& target,
                                               const files::FileStamp& targetStamp,
                                               files::FileStamp* sourceStamp) const {
    const Copy* copy = Find(target);
    if (!copy || Kept(targetStamp) != copy->targetStamp) return std::nullopt;
    std::string source = Absolute(copy->source);
    const files::FileStamp s = files::Stamp(source);
    if (Kept(s) != copy->sourceStamp) return std::nullopt;
    if (sourceStamp) *sourceStamp = s;
    return source;
}

std::optional<std::string> CopyIndex::RecordedSource(const std::string& target) const {
    const Copy* copy = Find(target);
    if (!copy) return std::nullopt;
    return Absolute(copy->source);
}

void CopyIndex::Record(const std::string& target, const std::string& source,
                       const files::FileStamp& targetStamp, const files::FileStamp& sourceStamp) {
    if (!sourceStamp.IsFile() || !targetStamp.IsFile()) return Forget(target);
    copies_[Relative(target)] = {Relative(source), Kept(sourceStamp), Kept(targetStamp), true};
    changed_ = true;
}

void CopyIndex::Forget(const std::string& target) {
    if (copies_.erase(Relative(target))) changed_ = true;
}

}  // namespace harbinet
