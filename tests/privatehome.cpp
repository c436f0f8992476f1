// Linked into every test program. Before main(), and so before any application object, the
// process gets a home and XDG folders of its own in a temporary folder, removed when it ends:
// settings that a test writes never reach the user's, and runs of the suite side by side never
// share them. Programs that a test starts inherit them.
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {
class PrivateHome
{
public:
    PrivateHome()
    {
        if (!home.isValid()) {
            std::fprintf(stderr, "no temporary folder for the test's home: %s\n",
                         qPrintable(home.errorString()));
            std::exit(1);
        }
        qputenv("HOME", QFile::encodeName(home.path()));
        const std::pair<const char *, const char *> folders[] = {{"XDG_CONFIG_HOME", ".config"},
                                                                 {"XDG_DATA_HOME", ".local/share"},
                                                                 {"XDG_STATE_HOME", ".local/state"},
                                                                 {"XDG_CACHE_HOME", ".cache"}};
        for (const auto &[variable, folder] : folders)
            qputenv(variable, QFile::encodeName(home.filePath(QLatin1String(folder))));
    }

private:
    QTemporaryDir home;
};

const PrivateHome privateHome;
} // namespace
