#pragma once

namespace pernoa {

// How a long print job shows how far it got and learns that the user wants
// it stopped. The drawing routine calls start() once the printer is ready,
// then step() after every copy it has finished, then finish() however the job
// ends. Nothing runs in the background: the windows' dialog gets its events
// from step() alone.
class IProgress {
public:
    virtual ~IProgress() = default;

    // A job of this many copies begins.
    virtual void start(int total) = 0;
    // This many copies are done. False: the user asked to stop the job.
    virtual bool step(int done) = 0;
    // The job is over (delivered, stopped or failed).
    virtual void finish() = 0;
};

} // namespace pernoa
