#pragma once
// The program's start-up and shutdown, in their one order. Start-up: the company library's
// message provider, the user-interface thread's COM apartment, then the application object.
// Shutdown, in reverse: the program's single instances (the processor, the progress window), the
// application object, the apartment, then the company library's globals. The entry, the test
// programs and the screens tool each hold one. A start-up that fails raises, its part done undone.
class TProgramLifetime {
public:
    TProgramLifetime();
    ~TProgramLifetime();
    TProgramLifetime(const TProgramLifetime&) = delete;
    TProgramLifetime& operator=(const TProgramLifetime&) = delete;

private:
    void ShutDown();

    bool comStarted_;
};
