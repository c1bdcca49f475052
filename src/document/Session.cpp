#include "document/Session.h"

#include <utility>
#include <vector>

#include "document/History.h"
#include "document/LayoutFile.h"
#include "document/NewLayout.h"

namespace layrail {

struct Session::Subscription::Registry {
    std::map<ListenerId, Listener> listeners;
    ListenerId nextId = 1;
};

Session::Subscription::Subscription(Subscription&& other) noexcept
    : registry_(std::move(other.registry_)), id_(std::exchange(other.id_, 0))
{
}

Session::Subscription& Session::Subscription::operator=(Subscription&& other) noexcept
{
    if (this != &other) {
        reset();
        registry_ = std::move(other.registry_);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

void Session::Subscription::reset()
{
    if (auto registry = registry_.lock())
        registry->listeners.erase(id_);
    registry_.reset();
    id_ = 0;
}

Session::Session() : listeners_(std::make_shared<Subscription::Registry>()) {}

Session::~Session() = default;

Session::ListenerId Session::addListener(Listener listener)
{
    const ListenerId id = listeners_->nextId++;
    listeners_->listeners.emplace(id, std::move(listener));
    return id;
}

void Session::removeListener(ListenerId id) { listeners_->listeners.erase(id); }

Session::Subscription Session::subscribe(Listener listener)
{
    const ListenerId id = addListener(std::move(listener));
    return Subscription(listeners_, id);
}

void Session::setModified(bool modified, Changes& changes)
{
    if (modified_ != modified) {
        modified_ = modified;
        changes.file = true;
    }
}

void Session::commit(Changes changes)
{
    if (changes.marksModified())
        setModified(true, changes);
    announce(changes);
}

void Session::announce(const Changes& changes)
{
    if (!changes.any())
        return;
    // A listener may add or remove listeners while it is told: walk the ids known now and skip
    // those removed on the way.
    std::vector<ListenerId> ids;
    ids.reserve(listeners_->listeners.size());
    for (const auto& entry : listeners_->listeners)
        ids.push_back(entry.first);
    // Keeps the registry alive should a listener destroy the session's owner.
    const std::shared_ptr<Subscription::Registry> registry = listeners_;
    for (ListenerId id : ids) {
        auto it = registry->listeners.find(id);
        if (it == registry->listeners.end())
            continue;
        // A copy: the listener may remove itself while it runs.
        const Listener listener = it->second;
        listener(changes);
    }
}

bool Session::undo()
{
    if (!layrail::undo(layout_))
        return false;
    commit(Changes::ofEdit());
    return true;
}

bool Session::redo()
{
    if (!layrail::redo(layout_))
        return false;
    commit(Changes::ofEdit());
    return true;
}

bool Session::canUndo() const { return layrail::canUndo(layout_); }

bool Session::canRedo() const { return layrail::canRedo(layout_); }

void Session::newLayout()
{
    startNewLayout(layout_);
    path_.clear();
    name_.clear();
    modified_ = false;
    announce(Changes::ofEdit() | Changes::ofLevels() | Changes::ofFile());
}

std::string Session::replaceFromFile(const std::string& filePath, std::string& fileName)
{
    const std::string error = readLayout(filePath, layout_, fileName);
    if (!error.empty())
        return error;
    layout_.ensureDefaultLevel();
    layout_.undoStack.clear();
    layout_.redoStack.clear();
    return {};
}

std::string Session::open(const std::string& filePath)
{
    std::string fileName;
    const std::string error = replaceFromFile(filePath, fileName);
    if (!error.empty())
        return error;
    path_ = filePath;
    name_ = fileName;
    modified_ = false;
    announce(Changes::everything());
    return {};
}

std::string Session::recover(const std::string& filePath)
{
    std::string fileName;
    const std::string error = replaceFromFile(filePath, fileName);
    if (!error.empty())
        return error;
    path_.clear();
    name_ = fileName;
    modified_ = true;
    announce(Changes::everything());
    return {};
}

std::string Session::save(const std::string& filePath, const std::string& layoutName)
{
    const std::string error = writeLayout(layout_, filePath, layoutName);
    if (error.empty())
        saved(filePath, layoutName);
    return error;
}

void Session::saved(const std::string& filePath, const std::string& layoutName)
{
    path_ = filePath;
    name_ = layoutName;
    modified_ = false;
    announce(Changes::ofFile());
}

void Session::forgetFile()
{
    if (path_.empty())
        return;
    path_.clear();
    modified_ = true;
    announce(Changes::ofFile());
}

} // namespace layrail
