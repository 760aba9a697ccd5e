#pragma once

#include <QString>

// Where the one running copy keeps its lock file and local socket: a folder,
// and the name both files start with. The socket's whole path must fit the
// system's limit for a local socket address (about a hundred bytes).
class InstanceLocation {
public:
    static QString directory();
    static QString name();
};
