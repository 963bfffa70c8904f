// SPDX-License-Identifier: MIT
#pragma once
// The names and message kinds that the host link, the host viewer's server and other instances of
// a program agree on.

#include <QString>
#include <QtGlobal>

// Message kinds: the data identifier of each message.
enum THostMessageKind : qint32 {
    hmQuit = 0x1000,         // server → client: byte ServerDown
    hmReply = 0x1001,        // the answer to a request, with the request's stamp
    hmRegister = 0x1002,     // client → server: entity record of the client
    hmUnregister = 0x1003,   // client → server: entity record of the client
    hmFindEntity = 0x1004,   // byte selector; 1: 32-bit handle, 2: string title → entity record or nothing
    hmParams = 0x1005,       // second instance → first: the parameter list, each line ended by CR LF
    hmExecute = 0x1006,      // string program, string parameters, byte wait, 32-bit value → 32-bit pid or 0
    hmGetFile = 0x1007,      // string file name → byte found, then the file's bytes
    hmMapFileName = 0x1008,  // string → string
    hmQueryString = 0x1009,  // string → string
    hmGetEnvironment = 0x100A,  // string name → string value
    hmToFront = 0x100B,  // second instance → the first's instance endpoint, no content: come to the front
};

// Selectors of hmFindEntity.
constexpr quint8 FindByHandle = 1;
constexpr quint8 FindByTitle = 2;

namespace LumeoNames {

inline const QString ClientClassName = QStringLiteral("ThisIsTheLumeoClientComponentWindowClass");
inline const QString ServerClassPrefix = QStringLiteral("ThisIsTheLumeoServerComponentWindowClass");
inline const QString ServerTitlePrefix = QStringLiteral("ThisIsTheLumeoServerComponentWindow");
// The endpoint of the single-instance lock's holder, titled with the lock's name: a later start of
// the same program finds the running one there.
inline const QString InstanceClassName = QStringLiteral("ThisIsTheLumeoInstanceWindowClass");
// the switch that names the server on the command line
inline const QString ServerHandleSwitch = QStringLiteral("/serverhandle=");

inline QString ServerClassName(const QString& HandleText) {
    return ServerClassPrefix + HandleText;
}
inline QString ServerTitle(const QString& HandleText) {
    return ServerTitlePrefix + HandleText;
}

}  // namespace LumeoNames
