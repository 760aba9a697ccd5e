#pragma once

#include <QString>

// Where the one running copy keeps its lock file and local socket: a folder
// private to the user, and the name both files start with. The socket's whole
// path must fit the system's limit for a local socket address (about a
// hundred bytes).
class InstanceLocation {
public:
    static QString directory();
    static QString name();
    // Makes the folder if it is missing, readable by the user alone.
    static void makePrivateFolder(const QString& directory);
    // Whether the process at the other end of a connected local socket runs as
    // this user: no one else may drive the program.
    static bool peerIsThisUser(qintptr socketDescriptor);
};
