#pragma once
// Start-up: the application's names and icon, the visual style, the main
// window and the message loop.
#include <QApplication>
#include <QString>

#include <memory>

class TForm1;

inline constexpr const char* AppStyleName = "Onyx Blue";

// Application name, version and icon.
void InitializeApplication();

// Applies the style (start-up goes on when it is missing) and creates the
// main window, which Form1 then names until the returned holder goes.
class TMainFormHolder {
public:
    explicit TMainFormHolder(const QString& styleName = QString::fromLatin1(AppStyleName));
    ~TMainFormHolder();
    TMainFormHolder(const TMainFormHolder&) = delete;
    TMainFormHolder& operator=(const TMainFormHolder&) = delete;
    TForm1& Form() { return *form_; }

private:
    std::unique_ptr<TForm1> form_;
};

// The whole run inside the two failure handlers; always 0.
int RunApplication(QApplication& app);
