#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "document/Changes.h"
#include "document/EditResult.h"
#include "document/Layout.h"

namespace layrail {

// The open layout with everything that belongs to it: the records, the file it came from (path and
// layout name), the modified mark and the undo history. It is the one path every change travels:
// whoever changes the layout commits the change, and every view listens.
//
//   Session session;
//   EditResult result = someEditRule(session.layout(), ...); // the rule records its undo snapshot
//   session.commit(result.changes);                          // modified mark, then every listener
//
//   Session::Subscription s = session.subscribe([&](const Changes& c) { if (c.content) rebuild(); });
//
// Content, level and unit changes set the modified mark; a commit that changes the mark, the file
// path or the name also carries Changes::file, so a title needs to listen to that flag only.
// Listeners are told in the order they were added; one may commit again, add or remove listeners.
class Session {
public:
    using Listener = std::function<void(const Changes&)>;
    using ListenerId = std::uint64_t;

    // Removes its listener when it goes, unless the session went first. Move-only.
    class Subscription {
    public:
        Subscription() = default;
        ~Subscription() { reset(); }
        Subscription(Subscription&& other) noexcept;
        Subscription& operator=(Subscription&& other) noexcept;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        void reset();

    private:
        friend class Session;
        struct Registry;
        Subscription(std::weak_ptr<Registry> registry, ListenerId id) : registry_(std::move(registry)), id_(id) {}
        std::weak_ptr<Registry> registry_;
        ListenerId id_ = 0;
    };

    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Layout& layout() { return layout_; }
    const Layout& layout() const { return layout_; }

    // The full path of the file the layout was read from or last written to; empty for a new layout.
    const std::string& path() const { return path_; }
    // The name given when saving, or read from the file.
    const std::string& name() const { return name_; }
    bool modified() const { return modified_; }

    // Announces a change of the layout to every listener (after setting the modified mark for
    // content, level and unit changes). Nothing is told when nothing changed.
    void commit(Changes changes);

    ListenerId addListener(Listener listener);
    void removeListener(ListenerId id);
    // addListener with a handle that removes the listener when it goes.
    [[nodiscard]] Subscription subscribe(Listener listener);

    // One step back or forth in the history; commits content and selection (and marks the layout
    // modified, even when the step returns to the saved state). False, and no commit, when there is
    // nothing to undo or redo.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;

    // New Layout (and Close Layout): records an undo snapshot, empties the content, leaves only the
    // default level, forgets the file and clears the modified mark. Undo brings the content back.
    void newLayout();

    // Reads a layout file into the session. On failure returns the reader's error and leaves
    // everything as it was. On success the file's content replaces the layout's, the history starts
    // afresh (so Undo can never bring another layout's records into this one), the path and name are
    // the file's and the layout is unmodified.
    std::string open(const std::string& filePath);

    // Reads a recovery copy: its content and layout name replace the layout's as open() does, but
    // the layout belongs to no file and is modified, since no file holds what it holds.
    std::string recover(const std::string& filePath);

    // Writes the layout to the path under the name; on success the session belongs to that file and
    // is unmodified. Returns the writer's error, empty on success.
    std::string save(const std::string& filePath, const std::string& layoutName);

    // The layout was written elsewhere under this path and name: it now belongs to that file.
    void saved(const std::string& filePath, const std::string& layoutName);

    // The file the layout belonged to was removed: the layout stays, tied to no file, and is
    // modified (closing it without saving would lose it).
    void forgetFile();

private:
    void setModified(bool modified, Changes& changes);
    // Reads a file in place of the layout with a fresh history; false leaves everything as it was.
    std::string replaceFromFile(const std::string& filePath, std::string& fileName);
    // Tells every listener, leaving the modified mark alone.
    void announce(const Changes& changes);

    Layout layout_;
    std::string path_;
    std::string name_;
    bool modified_ = false;
    std::shared_ptr<Subscription::Registry> listeners_;
};

} // namespace layrail
