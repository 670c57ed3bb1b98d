#pragma once
// The search both kinds of application share: a template names a folder and
// a last part holding "{id}", "{name}" and "*"; what it matches counts only
// when it lies directly in that folder, its name belongs to the application,
// no earlier template took it and the safety test lets it go.
#include <QString>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "platform/Places.h"

namespace sorbeta::Uninstaller {

class TemplateSearch {
public:
    using SafetyTest = std::function<bool(const Path&)>;

    // `names`: the names that may be searched by (already judged usable).
    TemplateSearch(QString id, std::vector<QString> names, bool limited, const platform::Places& places,
                   SafetyTest isSafe);

    // One template: "~/…" or an absolute path whose last part holds the
    // placeholders. A template with "{name}" runs once per usable name.
    void run(const std::string& pattern, Leftover::Kind kind);
    // An item found some other way (by the program it runs): still taken
    // once, judged safe and measured.
    void add(const Path& item, Leftover::Kind kind);

    // What was found, largest first, equal sizes in the order found.
    std::vector<Leftover> take();

private:
    void runOnce(const std::string& pattern, const std::string& name, Leftover::Kind kind);
    bool belongs(const std::string& leaf) const;

    std::string id_;
    std::string idLower_;
    std::vector<std::string> names_;
    bool limited_;
    const platform::Places& places_;
    SafetyTest isSafe_;
    std::set<std::string> taken_;
    std::vector<Leftover> found_;
};

}  // namespace sorbeta::Uninstaller
