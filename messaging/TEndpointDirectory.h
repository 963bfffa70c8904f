// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <sys/types.h>

#include "gravilo_messaging_export.h"

/// Where the message endpoints and single-instance locks of one user live.
///
/// The folder is the user's alone (mode 0700). GRAVILO_ENDPOINT_DIR names another folder (each test
/// run gets its own); otherwise it is "gravilo" under XDG_RUNTIME_DIR, or "gravilo-<uid>" in the
/// temporary folder (/tmp unless TMPDIR says otherwise) when XDG_RUNTIME_DIR is unset. When that
/// place is taken by something that is not our own folder (another user may make it first in
/// /tmp), the endpoints live in "gravilo-<host>" in the user's cache folder (~/.cache) instead;
/// a folder named by GRAVILO_ENDPOINT_DIR has no such fallback.
///
/// Nothing in the folder is trusted for its name alone: an entry is opened only when it is a regular
/// file of this user, never through a link and never waiting on a pipe, and what other users left
/// in it while it was open to them is removed.
class GRAVILO_MESSAGING_EXPORT TEndpointDirectory {
public:
    /// The environment variable that names the folder instead.
    static constexpr const char* OverrideVariable = "GRAVILO_ENDPOINT_DIR";

    /// The folder in use: the first place that is our own folder; empty when there is none yet.
    /// Nothing on disk is changed.
    static QString Locate();
    /// The folder, created when missing and made safe: a real directory, ours, closed to everyone
    /// else, holding nothing of theirs. Empty, with errno set and Problem (when given) saying in one
    /// line what is wrong with each place, when no place can be made safe.
    static QString Prepare(QString* Problem = nullptr);

    /// The path of the listening socket of the endpoint Handle in Dir: "H.sock", H its handle in
    /// eight hex digits.
    static QString SocketPath(const QString& Dir, quint32 Handle);
    /// The path of the record of the endpoint Handle in Dir: "H.info", H its handle in eight hex
    /// digits.
    static QString InfoPath(const QString& Dir, quint32 Handle);

    /// Opens the entry at Path (open(2) flags; Mode for a file it creates) when it is a regular file
    /// of this user. Anything else, a link, a pipe or a file of another user, is not opened:
    /// -1 with errno EPERM.
    static int OpenOwnFile(const QString& Path, int Flags, mode_t Mode = 0600);
    /// Removes the entry at Path unless it is a regular file of this user (or nothing).
    static void RemoveUnlessOwnFile(const QString& Path);
};
