#pragma once

namespace tarvik {

// The busy cursor: shown while the program runs what the user started (a click, a key, a menu
// item, the start-up) until it returns, so that a long synchronous sequence (initialising a
// board, a bounded wait on a move) shows that the program is working. A modal window or message
// box the sequence opens waits for the user, and shows the normal cursor meanwhile.
class BusyCursor {
public:
    BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    ~BusyCursor();

    // The program waits on what the user may do (a loop that lets events run, such as a watched
    // move a Stop button ends): the innermost busy cursor gives way to the normal one for the
    // rest of its life. Does nothing while no busy cursor shows.
    static void awaitUser();

    // The program waits for the user for the life of a Pause.
    class Pause {
    public:
        Pause();
        Pause(const Pause&) = delete;
        Pause& operator=(const Pause&) = delete;
        ~Pause();

    private:
        bool paused_;
    };
};

} // namespace tarvik
