#pragma once
// One running copy per user. The first copy listens on a local socket; a later copy connects,
// asks the first to bring its main window forward, and ends without touching any file.
#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

// The socket of this user: in the session's runtime folder (XDG_RUNTIME_DIR) when there is one,
// else in the temporary folder under a name that carries the user id.
QString single_instance_name();

class SingleInstance : public QObject {
  public:
    explicit SingleInstance(QString name = single_instance_name());
    ~SingleInstance() override;

    // True when another copy answered: it has been asked to come forward. Otherwise this copy
    // now listens for later ones (when listening fails the program runs all the same).
    bool another_copy_runs();
    // Called when a later copy asks for the main window.
    void set_on_show_request(std::function<void()> on_show) { on_show_ = std::move(on_show); }
    bool listening() const { return server_.isListening(); }

  private:
    bool ask_running_copy() const;
    bool listen();
    void accept();

    QString name_;
    QLocalServer server_;
    std::function<void()> on_show_;
};

// What a later copy sends.
inline constexpr char kShowRequest[] = "show\n";
