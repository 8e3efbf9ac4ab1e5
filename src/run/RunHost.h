// What the run needs from the application that started it: the queue of
// dropped paths, the two windows' hand-overs, the date correction of the
// confirm window, and where the numbers it gave out go.
#pragma once

#include "platform/Instant.h"

#include <QString>
#include <optional>

namespace lumenscribe {

class ModalAnswer;

class RunHost
{
public:
    virtual ~RunHost() = default;

    // Takes the first queued path, if any.
    virtual std::optional<QString> takeFirstToOpen() = 0;
    virtual qsizetype toOpenCount() const = 0;
    virtual ModalAnswer& fileAnswer() = 0;
    virtual ModalAnswer& folderAnswer() = 0;
    // The confirm window's correction applied to a file's date.
    virtual Instant correctDate(Instant date) const = 0;
    // The number the run gave the file or the dated folder in hand, which
    // the windows show; the next number is where the next run starts.
    virtual void fileNumbered(int number) = 0;
    virtual void folderNumbered(int number) = 0;
};

} // namespace lumenscribe
