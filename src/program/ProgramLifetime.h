#pragma once
// The program's start-up and shutdown, in their one order. Start-up: the company library's
// message provider, the user-interface thread's COM apartment, then the application object.
// Shutdown, in reverse: the program's single instances (the processor, the progress window), the
// application object, the apartment, then the company library's globals. The entry, the test
// programs and the screens tool each hold one. A start-up that fails raises, its part done undone.

// The application's title, which the platform shows for the program and the default exception
// display uses as its caption.
constexpr wchar_t kApplicationTitle[] = L"VARNEL ポフッと削除";

// Initialises the application and gives it its title: the lifetime's start does, and a test that
// makes a new application object does it the same way.
void StartApplication();

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
