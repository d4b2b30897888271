#include "change/Change.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "change/History.h"
#include "change/Progress.h"
#include "model/Names.h"
#include "model/Settings.h"
#include "platform/Files.h"
#include "platform/Profile.h"

namespace harbinet {

namespace {

using Kind = Action::Kind;
using files::FileStamp;

class Steps {
  public:
    Steps(const Folders& folders, Provenance& provenance, const Plan& plan,
          const ProgressTo* progress)
        : folders_(folders), provenance_(provenance), plan_(plan), progress_(progress) {
        // Each step that removes bytes checks that they are elsewhere as it runs, so that the
        // last copy always stays; only a file the plan rewrites in place cannot stand for them.
        for (const Action& a : plan.actions)
            if (a.kind == Kind::WriteFile) leaving_.insert(a.path);
        if (!progress_) return;
        throttle_.emplace(progress_->clock, progress_->begun);
        report_.what = plan.what;
        for (const Action& a : plan.actions) {
            sizes_.push_back(StepBytes(a));  // before a move takes its source away
            report_.filesTotal += IsFileStep(a);
            report_.bytesTotal += sizes_.back();
        }
    }

    StepFailures Run() {
        for (std::size_t i = 0; i < plan_.actions.size(); ++i) {
            const Action& a = plan_.actions[i];
            if (a.kind == Kind::Setting) {
                // Consecutive keys of one file are written in one replace of it.
                std::vector<profile::Entry> values;
                std::size_t j = i;
                for (; j < plan_.actions.size() && plan_.actions[j].kind == Kind::Setting &&
                       plan_.actions[j].path == a.path;
                     ++j)
                    values.push_back(
                        {plan_.actions[j].section, plan_.actions[j].key, plan_.actions[j].value});
                if (!profile::Update(a.path, values)) {
                    out_.messages.push_back(Format(text::kUnableToWrite, a.path.c_str()));
                    // The settings say what the game folder holds: without them nothing more
                    // is changed. Another file's keys (the game's EAW.INI) are only told.
                    const std::size_t end =
                        a.path == folders_.SettingsPath ? plan_.actions.size() : j;
                    for (std::size_t k = i; k < end; ++k) out_.actions.push_back(plan_.actions[k]);
                    if (end == plan_.actions.size()) break;
                }
                Done(i, j);
                i = j - 1;
                continue;
            }
            if (!Run(a)) out_.actions.push_back(a);
            Done(i, i + 1);
        }
        if (throttle_ && throttle_->Shown()) {
            report_.finished = true;
            progress_->host.ShowProgress(report_);
        }
        for (const auto& [folder, sources] : notCopied_) {
            std::string message = Format(text::kFilesNotCopied, folder.c_str());
            for (const std::string& source : sources) message += "\n" + source;
            out_.messages.insert(out_.messages.begin(), message);
        }
        return std::move(out_);
    }

  private:
    // Steps first..end-1 have run: the host hears of it when a report is due.
    void Done(std::size_t first, std::size_t end) {
        if (!progress_) return;
        for (std::size_t k = first; k < end; ++k) {
            report_.filesDone += IsFileStep(plan_.actions[k]);
            report_.bytesDone += sizes_[k];
        }
        if (throttle_->Due()) progress_->host.ShowProgress(report_);
    }

    // True when the bytes of path (as stamped) are also elsewhere, so that it may go without
    // being kept.
    bool Dispensable(const std::string& path, const FileStamp& stamp) {
        return provenance_.Twin(path, stamp, leaving_).has_value();
    }

    bool Fail(std::string message) {
        out_.messages.push_back(std::move(message));
        return false;
    }

    // Moves the player's file into this change's kept files, under its path in the game folder.
    bool Keep(const std::string& path) {
        const std::string relative = path.starts_with(folders_.GameFolder)
                                         ? path.substr(folders_.GameFolder.size())
                                         : files::NameOf(path);
        std::string folder = plan_.keptFolder;
        for (int n = 2; n < 1000; ++n) {
            const std::string to = folder + relative;
            if (files::Stamp(to).type != FileStamp::Type::Missing) {
                if (files::SameContents(path, to)) return Delete(path);
            } else if (files::CreateFolders(files::FolderOf(to))) {
                switch (files::MoveFile(path, to)) {
                    case files::MoveOutcome::Moved:
                        provenance_.Index().Forget(path);
                        provenance_.Added(to);
                        return true;
                    case files::MoveOutcome::TargetExists:
                        continue;
                    case files::MoveOutcome::Failed:
                        break;
                }
                break;
            }
            folder = plan_.keptFolder.substr(0, plan_.keptFolder.size() - 1) + " (" +
                     std::to_string(n) + ")/";
        }
        return Fail(Format(text::kUnableToKeep, path.c_str(), plan_.keptFolder.c_str()));
    }

    bool Delete(const std::string& path) {
        if (!files::DeleteFile(path)) return Fail(Format(text::kUnableToDelete, path.c_str()));
        provenance_.Index().Forget(path);
        return true;
    }

    // Leaves path (as stamped s): deleted when its bytes are elsewhere, kept otherwise. A
    // read-only file stays.
    bool Leave(const std::string& path, const FileStamp& s) {
        if (s.type == FileStamp::Type::Missing || s.readOnly) return true;
        if (!s.IsFile()) return Delete(path);  // a link: the file it names stays
        return Dispensable(path, s) ? Delete(path) : Keep(path);
    }

    // The stamps of a step are taken as it begins and stand until it changes the file: a
    // compare or a copy only reads them.
    bool Copy(const Action& a) {
        const FileStamp s = files::Stamp(a.from);
        if (!s.IsFile()) return NotCopied(a);
        const FileStamp t = files::Stamp(a.path);
        if (t.type != FileStamp::Type::Missing) {
            if (provenance_.Index().IsCurrentCopy(a.path, a.from, t, s)) return true;
            if (t.IsFile() && !t.readOnly) {
                const auto twin = provenance_.Twin(a.path, t, leaving_);
                // Already the source's bytes (a copy a kill left unrecorded): it stays.
                if ((twin && *twin == a.from) || (!twin && files::SameContents(a.path, a.from))) {
                    provenance_.Index().Record(a.path, a.from, t, s);
                    return true;
                }
                if (!twin && !Keep(a.path)) return NotCopied(a);
            }
        }
        if (!files::CopyFile(a.from, a.path)) return NotCopied(a);
        // The source as it was before the copy read it: should it change meanwhile, the record
        // vouches for nothing.
        provenance_.Index().Record(a.path, a.from, files::Stamp(a.path), s);
        return true;
    }

    bool NotCopied(const Action& a) {
        notCopied_[files::FolderOf(a.path)].push_back(a.from);
        return false;
    }

    bool Move(const Action& a) {
        // A source that is gone was moved before: the target is never touched then.
        if (!files::Stamp(a.from).IsFile()) return true;
        if (const FileStamp t = files::Stamp(a.path); t.type != FileStamp::Type::Missing) {
            if (files::SameContents(a.from, a.path)) return Delete(a.from);
            if (a.kind == Kind::MoveIfAbsent) return Keep(a.from);
            // A read-only file refuses to be replaced, as on Windows: both stay where they are.
            if (t.readOnly) return true;
            if (!Leave(a.path, t)) return false;
        }
        if (!files::CreateFolders(files::FolderOf(a.path)))
            return Fail(Format(text::kUnableToMakeFolder, files::FolderOf(a.path).c_str(), ""));
        if (files::MoveFile(a.from, a.path) != files::MoveOutcome::Moved)
            return Fail(Format(text::kUnableToMove, a.from.c_str(), a.path.c_str()));
        provenance_.Added(a.path);
        return true;
    }

    bool Run(const Action& a) {
        switch (a.kind) {
            case Kind::Copy:
                return Copy(a);
            case Kind::Keep: {
                const FileStamp t = files::Stamp(a.path), s = files::Stamp(a.from);
                if (!provenance_.Index().IsCurrentCopy(a.path, a.from, t, s))
                    provenance_.Index().Record(a.path, a.from, t, s);
                return true;
            }
            case Kind::Delete:
            case Kind::Save:
                return Leave(a.path, files::Stamp(a.path));
            case Kind::Move:
            case Kind::MoveIfAbsent:
                return Move(a);
            case Kind::Erase:
                return files::Stamp(a.path).type == FileStamp::Type::Missing || Delete(a.path);
            case Kind::MakeFolder:
                return files::CreateFolders(a.path) ||
                       Fail(Format(text::kUnableToMakeFolder, a.path.c_str(), ""));
            case Kind::RemoveFolder:
                files::RemoveEmptyFolder(a.path);
                return true;
            case Kind::WriteFile:
                return files::WriteFileAtomic(a.path, a.value) ||
                       Fail(Format(text::kUnableToWrite, a.path.c_str()));
            case Kind::Setting:
                break;
        }
        return true;
    }

    const Folders& folders_;
    Provenance& provenance_;
    const Plan& plan_;
    std::set<std::string> leaving_;
    std::map<std::string, std::vector<std::string>> notCopied_;
    StepFailures out_;
    const ProgressTo* progress_;
    std::optional<ProgressThrottle> throttle_;
    ChangeProgress report_;
    std::vector<std::uint64_t> sizes_;  // of each step's file copied or moved
};

std::optional<Journal> ReadJournal(const Folders& folders) {
    std::string text;
    if (!files::ReadWholeFile(JournalPath(folders), text, 64u << 20)) return std::nullopt;
    return ParseJournal(text);
}

// Runs a journal's plan and leaves the journal as the outcome asks: gone when every step
// succeeded, else holding the failed steps.
ChangeResult RunJournal(ProgramState& state, Provenance& provenance, Journal journal,
                        std::chrono::steady_clock::time_point begun) {
    ChangeResult result;
    if (!files::WriteFileAtomic(JournalPath(state), JournalText(journal))) {
        result.refused = result.failed = true;
        result.messages.push_back(Format(text::kUnableToWrite, JournalPath(state).c_str()));
        return result;
    }
    state.host.UpdateTrayIcon(true);
    const ProgressTo progress{state.host, state.clock, begun};
    StepFailures failures = RunSteps(state, provenance, journal.plan, &progress);
    provenance.Index().Save();
    if (failures.actions.empty()) {
        // Not flushed: a journal that comes back after a power cut runs again, harmlessly.
        files::DeleteFile(JournalPath(state));
    } else {
        journal.failed = true;
        journal.plan.actions = failures.actions;
        journal.messages = failures.messages;
        files::WriteFileAtomic(JournalPath(state), JournalText(journal));
        result.failed = true;
    }
    result.messages = std::move(failures.messages);
    state.changeFailed = result.failed;
    state.settings.Reload();  // as the change left them
    state.host.UpdateTrayIcon(false);
    return result;
}

// What every change checks before it begins: no other change in this process, the lock, the
// game. Refusals come back in result.
bool MayBegin(ProgramState& state, ChangeResult& result) {
    const auto refuse = [&](std::string message) {
        result.refused = result.failed = true;
        result.messages.push_back(std::move(message));
        return false;
    };
    if (state.changeRunning) return refuse(text::kChangeUnderWay);
    const std::string game = files::ResolveName(state.GameFolder, settings::kGameExe);
    if (!files::FileExists(game)) return refuse(Format(text::kGameNotFound, game.c_str()));
    return true;
}

class Running {
  public:
    explicit Running(ProgramState& state) : state_(state) { state_.changeRunning = true; }
    ~Running() { state_.changeRunning = false; }

  private:
    ProgramState& state_;
};

}  // namespace

void ChangeResult::Add(const ChangeResult& other) {
    refused = refused || other.refused;
    failed = failed || other.failed;
    messages.insert(messages.end(), other.messages.begin(), other.messages.end());
}

std::string JournalPath(const Folders& folders) {
    return folders.GameFolder + ".harbinet-journal";
}

ChangeLockHold::ChangeLockHold(ProgramState& state, std::chrono::milliseconds wait)
    : state_(state) {
    if (state_.changeLockHolds == 0) {
        if (!state_.changeLock)
            state_.changeLock = std::make_unique<InstallationLock>(state_.GameFolder);
        // A folder where no lock file can be made cannot be changed anyway; the change then
        // reports what fails.
        if (state_.changeLock->Usable() &&
            !state_.changeLock->Take(InstallationLock::Kind::Change, wait))
            return;
    }
    ++state_.changeLockHolds;
    held_ = true;
}

ChangeLockHold::~ChangeLockHold() {
    if (held_ && --state_.changeLockHolds == 0)
        state_.changeLock->Release(InstallationLock::Kind::Change);
}

StepFailures RunSteps(const Folders& folders, Provenance& provenance, const Plan& plan,
                      const ProgressTo* progress) {
    return Steps(folders, provenance, plan, progress).Run();
}

ChangeResult ResumeChange(ProgramState& state, bool retryFailed) {
    ChangeResult result;
    if (!files::FileExists(JournalPath(state))) return result;
    if (!MayBegin(state, result)) return result;
    const Running running(state);
    const ChangeLockHold lock(state, state.changeLockWait);
    if (!lock.Held()) {
        result.refused = result.failed = true;
        result.messages.push_back(text::kChangeUnderWay);
        return result;
    }
    std::optional<Journal> journal = ReadJournal(state);
    if (!journal || (journal->failed && !retryFailed)) {
        // A failed change waits for the program's next start; until then it stays untold.
        if (journal) state.changeFailed = true;
        return result;
    }
    journal->failed = false;
    journal->messages.clear();
    HistoryRecord record(state, journal->plan.what + " (resumed)");
    record.Count(journal->plan);
    Provenance provenance(state);
    result.Add(RunJournal(state, provenance, std::move(*journal), record.Begun()));
    record.Add(state, result);
    return result;
}

ChangeResult RunChange(ProgramState& state, std::string what,
                       const std::function<void(Planner&)>& plan) {
    ChangeResult result;
    if (!MayBegin(state, result)) return result;
    const ChangeLockHold lock(state, state.changeLockWait);
    if (!lock.Held()) {
        result.refused = result.failed = true;
        result.messages.push_back(text::kChangeUnderWay);
        return result;
    }
    // A change a kill cut short is finished before this one is planned on top of it.
    result.Add(ResumeChange(state, false));
    const Running running(state);

    HistoryRecord record(state, what);
    Provenance provenance(state);
    Planner planner(state, provenance, std::move(what));
    plan(planner);
    ChangeResult own{planner.Refused(), planner.Refused() || planner.Failed(), planner.Messages()};
    const Plan& steps = planner.Result();
    if (!planner.Refused()) {
        record.Count(steps);
        if (!steps.Changes()) {
            // Nothing to change on disk; what was proven current is remembered.
            RunSteps(state, provenance, steps);
            provenance.Index().Save();
            state.changeFailed = false;
        } else {
            own.Add(RunJournal(state, provenance, Journal{steps, false, {}}, record.Begun()));
        }
    }
    record.Add(state, own);
    // Whether it failed is this change's; a change finished before it only adds its messages.
    result.Add(own);
    result.failed = own.failed;
    return result;
}

ChangeResult RunChange(ProgramState& state, const ChangeSpec& change, Plan* ran) {
    return RunChange(state, change.what, [&](Planner& planner) {
        change.plan(planner);
        if (ran) *ran = planner.Result();
    });
}

ChangeResult PlanChange(ProgramState& state, const ChangeSpec& change, Plan& planned) {
    ChangeResult result;
    const auto refuse = [&](std::string message) {
        result.refused = result.failed = true;
        result.messages.push_back(std::move(message));
        return result;
    };
    if (!MayBegin(state, result)) return result;
    const ChangeLockHold lock(state, state.changeLockWait);
    if (!lock.Held()) return refuse(text::kChangeUnderWay);
    // What that change still has to do would come first: a plan without it would not be true.
    if (const auto journal = ReadJournal(state); journal && !journal->failed)
        return refuse(text::kChangeCutShort);
    Provenance provenance(state);
    Planner planner(state, provenance, change.what);
    change.plan(planner);
    result.messages = planner.Messages();
    result.refused = planner.Refused();
    result.failed = planner.Refused() || planner.Failed();
    planned = planner.Result();
    return result;
}

}  // namespace harbinet
