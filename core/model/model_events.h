#pragma once

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace sredna {

// What changed in the window model, so that a view can follow it without
// polling. The model knows nothing of the view beyond this.
enum class ChangeKind { ListItems, ListSelection, ListVisible, Text, Option, LabelVisible };

struct Change {
    ChangeKind kind;
    int index;  // the control's index in its array
    // For ListItems: at position, removed items gave way to inserted ones
    // (the shape of the undo journal's ItemSplice), so that a view can move
    // only the rows that changed.
    int position = 0;
    int removed = 0;
    int inserted = 0;
};

// The controls' one way out: change notices for any number of views, click
// events for the form's handlers. Controls hold a reference to their window's
// hub.
class EventHub {
public:
    using ChangeListener = std::function<void(const Change&)>;
    using ClickHandler = std::function<void(int index)>;

private:
    struct Listeners {
        std::vector<std::pair<int, ChangeListener>> entries;
        int next = 0;
    };

public:
    // A listener's hold on the hub: while it lasts the listener hears every
    // change, and when it goes (with the view that owns it) the listener goes
    // too. Either the hub or the subscription may go first.
    class Subscription {
    public:
        Subscription() = default;
        Subscription(const Subscription&) = delete;
        Subscription& operator=(const Subscription&) = delete;
        Subscription(Subscription&& other) noexcept
            : listeners_(std::move(other.listeners_)), id_(other.id_) {}
        Subscription& operator=(Subscription&& other) noexcept {
            if (this != &other) {
                Cancel();
                listeners_ = std::move(other.listeners_);
                id_ = other.id_;
            }
            return *this;
        }
        ~Subscription() { Cancel(); }

        void Cancel() {
            if (const std::shared_ptr<Listeners> listeners = listeners_.lock()) {
                std::erase_if(listeners->entries,
                              [this](const auto& entry) { return entry.first == id_; });
            }
            listeners_.reset();
        }

    private:
        friend class EventHub;
        Subscription(std::weak_ptr<Listeners> listeners, int id)
            : listeners_(std::move(listeners)), id_(id) {}

        std::weak_ptr<Listeners> listeners_;
        int id_ = 0;
    };

    [[nodiscard]] Subscription Listen(ChangeListener listener) {
        const int id = listeners_->next++;
        listeners_->entries.emplace_back(id, std::move(listener));
        return {listeners_, id};
    }
    void SetListClickHandler(ClickHandler handler) { listClick_ = std::move(handler); }
    void SetOptionClickHandler(ClickHandler handler) { optionClick_ = std::move(handler); }

    void Notify(ChangeKind kind, int index) const { Notify(Change{kind, index}); }
    void Notify(const Change& change) const {
        // By index: a listener may end another's subscription, which would
        // leave an iterator dangling.
        const std::vector<std::pair<int, ChangeListener>>& entries = listeners_->entries;
        // NOLINTNEXTLINE(modernize-loop-convert)
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i].second(change);
        }
    }
    void RaiseListClick(int index) const {
        if (listClick_) {
            listClick_(index);
        }
    }
    void RaiseOptionClick(int index) const {
        if (optionClick_) {
            optionClick_(index);
        }
    }

private:
    std::shared_ptr<Listeners> listeners_ = std::make_shared<Listeners>();
    ClickHandler listClick_;
    ClickHandler optionClick_;
};

}  // namespace sredna
