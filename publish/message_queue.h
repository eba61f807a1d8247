// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The readings on their way to the broker, oldest first and bounded: beyond the
// bound the oldest are dropped and counted. The front ones are handed to the
// connection in order and leave only when the broker has acknowledged them; when
// a connection ends, those it had not acknowledged are handed to the next one
// again, in the same order, so each reading arrives at least once and in order.

#include <QByteArray>
#include <deque>

class MessageQueue {
public:
    explicit MessageQueue(int limit) : limit_(limit < 1 ? 1 : limit) {}

    // Adds at the back; true when the oldest reading was dropped to make room.
    bool Push(QByteArray payload);
    // The oldest reading not handed to the connection yet, or nullptr.
    const QByteArray* NextToHand() const;
    // That reading is in the connection's hands under this message id.
    void Handed(int id);
    // The broker acknowledged the message with this id.
    void Acknowledged(int id);
    // The connection ended: whatever it had not acknowledged is handed again.
    void ConnectionEnded();

    int Size() const { return int(entries_.size()); }
    int InFlight() const { return int(handed_); }
    int Limit() const { return limit_; }
    long long Dropped() const { return dropped_; }

private:
    struct Entry {
        QByteArray Payload;
        int Id = 0;
        bool Acknowledged = false;
    };
    std::deque<Entry> entries_;
    size_t handed_ = 0; // entries_[0, handed_) are in the connection's hands
    int limit_;
    long long dropped_ = 0;
};
