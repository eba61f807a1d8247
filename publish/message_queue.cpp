// SPDX-License-Identifier: GPL-3.0-or-later
#include "publish/message_queue.h"

bool MessageQueue::Push(QByteArray payload) {
    bool dropped = false;
    if (entries_.size() >= size_t(limit_)) {
        // A reading in flight may go too: its acknowledgement then finds nothing.
        entries_.pop_front();
        if (handed_ > 0)
            --handed_;
        ++dropped_;
        dropped = true;
    }
    entries_.push_back({std::move(payload)});
    return dropped;
}

const QByteArray* MessageQueue::NextToHand() const {
    return handed_ < entries_.size() ? &entries_[handed_].Payload : nullptr;
}

void MessageQueue::Handed(int id) {
    if (handed_ < entries_.size())
        entries_[handed_++].Id = id;
}

void MessageQueue::Acknowledged(int id) {
    for (size_t i = 0; i < handed_; ++i) {
        if (entries_[i].Id == id) {
            entries_[i].Acknowledged = true;
            break;
        }
    }
    // Acknowledgements come in the order of sending; one out of order waits for
    // those before it, which keeps the queue's front the oldest undelivered.
    while (handed_ > 0 && entries_.front().Acknowledged) {
        entries_.pop_front();
        --handed_;
    }
}

void MessageQueue::ConnectionEnded() {
    for (size_t i = 0; i < handed_; ++i)
        entries_[i] = {std::move(entries_[i].Payload)};
    handed_ = 0;
}
