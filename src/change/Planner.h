// Works out a change before anything is touched: what each folder will hold after the steps
// planned so far, which files are Harbinet's copies (deleted when they go) and which are the
// player's (kept), and what the settings will say. The plan it gives is what the change then
// runs, and what a dry run shows.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "change/Plan.h"
#include "change/Provenance.h"
#include "model/Folders.h"
#include "model/Settings.h"

namespace harbinet {

class Planner {
  public:
    Planner(const Folders& folders, Provenance& provenance, std::string what);

    // The files of `folder` matching `pattern` become exactly `wanted` (name, store file; a later
    // entry of one name wins): the others leave, current copies stay, the rest are copied. The
    // game's own files (EAW.INI, programs, libraries) are never touched, whatever the pattern.
    void Install(const std::string& folder, std::string_view pattern,
                 const std::vector<std::pair<std::string, std::string>>& wanted);
    // Install with the source folder's matching files; a folder onto itself changes nothing.
    void CopyMatchingFiles(const std::string& source, const std::string& target,
                           std::string_view pattern);
    void CopyMatchingList(const std::string& source, const std::string& target,
                          std::string_view list);
    // Install with nothing wanted.
    void DeleteMatchingFiles(const std::string& folder, std::string_view pattern);
    void DeleteMatchingList(const std::string& folder, std::string_view list);

    // A store file moves; a different file at `to` is kept first (replace) or stays, with the
    // moving file kept instead (not replace). A source that is gone has nothing to move.
    void Move(const std::string& from, const std::string& to, bool replace);
    void Save(const std::string& path);
    // A file that goes when its bytes are elsewhere by then, else is kept.
    void Discard(const std::string& path);
    void Erase(const std::string& path);
    void MakeFolder(const std::string& path);
    void RemoveFolder(const std::string& path);
    void Setting(const std::string& file, const profile::Entry& value);
    void WriteFile(const std::string& path, std::string bytes);

    // A profile file as it will read once the settings planned so far are written.
    Settings Planned(const std::string& file);

    // The names a folder will hold (files only) that match the pattern, in name order.
    std::vector<std::string> Files(const std::string& folder, std::string_view pattern);

    // A message for the user. A refusal also stops the change before it begins; a failure lets
    // it run, but counts it as failed.
    void Tell(std::string message) {
        if (!message.empty()) messages_.push_back(std::move(message));
    }
    void Refuse(std::string message = {}) {
        Tell(std::move(message));
        refused_ = true;
    }
    void Fail(std::string message = {}) {
        Tell(std::move(message));
        failed_ = true;
    }
    bool Refused() const { return refused_; }
    bool Failed() const { return failed_; }
    const std::vector<std::string>& Messages() const { return messages_; }

    const Plan& Result() const { return plan_; }
    const Folders& Where() const { return folders_; }

  private:
    struct Entry {
        bool folder = false;
        bool readOnly = false;
        std::string plannedFrom;  // a copy this plan makes
    };
    using View = std::map<std::string, Entry>;
    View& ViewOf(const std::string& folder);
    void CopyMatching(const std::string& source, const std::string& target,
                      const std::vector<std::string_view>& patterns);
    void Remove(const std::string& folder, const std::string& name, const Entry& entry);
    void Add(Action action);
    // A file the plan takes away: the view of its folder forgets it.
    void Gone(const std::string& path);

    Folders folders_;
    Provenance& provenance_;
    Plan plan_;
    std::map<std::string, View> views_;
    std::map<std::string, std::string> settings_;  // profile file -> its planned text
    std::set<std::string> leaving_;
    std::vector<std::string> messages_;
    bool refused_ = false;
    bool failed_ = false;
};

}  // namespace harbinet
