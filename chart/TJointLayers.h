// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "PloticaTypes.h"
#include "gravilo_chart_export.h"

/// Which layer's x range (and, separately, y range) each layer follows. Joining is one level deep:
/// a layer that follows another cannot be followed, and a followed layer cannot follow another.
/// The properties L01xControlledBy to L16yControlledBy publish the table for forms.
class GRAVILO_CHART_EXPORT TJointLayers : public QObject {
    Q_OBJECT
    Q_PROPERTY(int L01xControlledBy READ L01x WRITE SetL01x)
    Q_PROPERTY(int L01yControlledBy READ L01y WRITE SetL01y)
    Q_PROPERTY(int L02xControlledBy READ L02x WRITE SetL02x)
    Q_PROPERTY(int L02yControlledBy READ L02y WRITE SetL02y)
    Q_PROPERTY(int L03xControlledBy READ L03x WRITE SetL03x)
    Q_PROPERTY(int L03yControlledBy READ L03y WRITE SetL03y)
    Q_PROPERTY(int L04xControlledBy READ L04x WRITE SetL04x)
    Q_PROPERTY(int L04yControlledBy READ L04y WRITE SetL04y)
    Q_PROPERTY(int L05xControlledBy READ L05x WRITE SetL05x)
    Q_PROPERTY(int L05yControlledBy READ L05y WRITE SetL05y)
    Q_PROPERTY(int L06xControlledBy READ L06x WRITE SetL06x)
    Q_PROPERTY(int L06yControlledBy READ L06y WRITE SetL06y)
    Q_PROPERTY(int L07xControlledBy READ L07x WRITE SetL07x)
    Q_PROPERTY(int L07yControlledBy READ L07y WRITE SetL07y)
    Q_PROPERTY(int L08xControlledBy READ L08x WRITE SetL08x)
    Q_PROPERTY(int L08yControlledBy READ L08y WRITE SetL08y)
    Q_PROPERTY(int L09xControlledBy READ L09x WRITE SetL09x)
    Q_PROPERTY(int L09yControlledBy READ L09y WRITE SetL09y)
    Q_PROPERTY(int L10xControlledBy READ L10x WRITE SetL10x)
    Q_PROPERTY(int L10yControlledBy READ L10y WRITE SetL10y)
    Q_PROPERTY(int L11xControlledBy READ L11x WRITE SetL11x)
    Q_PROPERTY(int L11yControlledBy READ L11y WRITE SetL11y)
    Q_PROPERTY(int L12xControlledBy READ L12x WRITE SetL12x)
    Q_PROPERTY(int L12yControlledBy READ L12y WRITE SetL12y)
    Q_PROPERTY(int L13xControlledBy READ L13x WRITE SetL13x)
    Q_PROPERTY(int L13yControlledBy READ L13y WRITE SetL13y)
    Q_PROPERTY(int L14xControlledBy READ L14x WRITE SetL14x)
    Q_PROPERTY(int L14yControlledBy READ L14y WRITE SetL14y)
    Q_PROPERTY(int L15xControlledBy READ L15x WRITE SetL15x)
    Q_PROPERTY(int L15yControlledBy READ L15y WRITE SetL15y)
    Q_PROPERTY(int L16xControlledBy READ L16x WRITE SetL16x)
    Q_PROPERTY(int L16yControlledBy READ L16y WRITE SetL16y)
public:
    /// The axis of a join.
    enum TAxis {
        axX,  ///< the x axis
        axY   ///< the y axis
    };

    /// Every layer free: each follows itself.
    explicit TJointLayers(QObject* parent = nullptr);

    /// The layer whose range layer n (1..16) follows on that axis; n itself when it is free
    /// (and n itself for a number outside 1..16).
    int ControlledBy(TAxis axis, int n) const;
    /// Joins layer n to layer d (d = n releases it); raises EVexaPloticaError when not allowed:
    /// d outside 1..16, d following another layer, or n followed by others. A layer n outside
    /// 1..16 is ignored. A join calls OnJoined, then OnChange; a release calls neither.
    void SetControlledBy(TAxis axis, int n, int d);

    /// Copies both tables of the other object, then calls OnChange; anything else raises an
    /// assignment error (EVexaError).
    void Assign(const QObject* source);

    /// Called after a join or an Assign, with the table; the chart installs it to redraw.
    std::function<void(TJointLayers*)> OnChange;
    /// Called when layer n has just been joined to layer d on an axis: it takes d's range at once.
    std::function<void(TAxis axis, int n, int d)> OnJoined;

    /// @name The table by layer and axis, as the properties publish it
    ///@{

    /// The layer whose x range layer 1 follows (ControlledBy).
    int L01x() const { return FTable[axX][1]; }
    /// Joins layer 1 in x to layer d, or releases it for d = 1 (SetControlledBy).
    void SetL01x(int d) { SetControlledBy(axX, 1, d); }
    /// The layer whose y range layer 1 follows (ControlledBy).
    int L01y() const { return FTable[axY][1]; }
    /// Joins layer 1 in y to layer d, or releases it for d = 1 (SetControlledBy).
    void SetL01y(int d) { SetControlledBy(axY, 1, d); }
    /// The layer whose x range layer 2 follows (ControlledBy).
    int L02x() const { return FTable[axX][2]; }
    /// Joins layer 2 in x to layer d, or releases it for d = 2 (SetControlledBy).
    void SetL02x(int d) { SetControlledBy(axX, 2, d); }
    /// The layer whose y range layer 2 follows (ControlledBy).
    int L02y() const { return FTable[axY][2]; }
    /// Joins layer 2 in y to layer d, or releases it for d = 2 (SetControlledBy).
    void SetL02y(int d) { SetControlledBy(axY, 2, d); }
    /// The layer whose x range layer 3 follows (ControlledBy).
    int L03x() const { return FTable[axX][3]; }
    /// Joins layer 3 in x to layer d, or releases it for d = 3 (SetControlledBy).
    void SetL03x(int d) { SetControlledBy(axX, 3, d); }
    /// The layer whose y range layer 3 follows (ControlledBy).
    int L03y() const { return FTable[axY][3]; }
    /// Joins layer 3 in y to layer d, or releases it for d = 3 (SetControlledBy).
    void SetL03y(int d) { SetControlledBy(axY, 3, d); }
    /// The layer whose x range layer 4 follows (ControlledBy).
    int L04x() const { return FTable[axX][4]; }
    /// Joins layer 4 in x to layer d, or releases it for d = 4 (SetControlledBy).
    void SetL04x(int d) { SetControlledBy(axX, 4, d); }
    /// The layer whose y range layer 4 follows (ControlledBy).
    int L04y() const { return FTable[axY][4]; }
    /// Joins layer 4 in y to layer d, or releases it for d = 4 (SetControlledBy).
    void SetL04y(int d) { SetControlledBy(axY, 4, d); }
    /// The layer whose x range layer 5 follows (ControlledBy).
    int L05x() const { return FTable[axX][5]; }
    /// Joins layer 5 in x to layer d, or releases it for d = 5 (SetControlledBy).
    void SetL05x(int d) { SetControlledBy(axX, 5, d); }
    /// The layer whose y range layer 5 follows (ControlledBy).
    int L05y() const { return FTable[axY][5]; }
    /// Joins layer 5 in y to layer d, or releases it for d = 5 (SetControlledBy).
    void SetL05y(int d) { SetControlledBy(axY, 5, d); }
    /// The layer whose x range layer 6 follows (ControlledBy).
    int L06x() const { return FTable[axX][6]; }
    /// Joins layer 6 in x to layer d, or releases it for d = 6 (SetControlledBy).
    void SetL06x(int d) { SetControlledBy(axX, 6, d); }
    /// The layer whose y range layer 6 follows (ControlledBy).
    int L06y() const { return FTable[axY][6]; }
    /// Joins layer 6 in y to layer d, or releases it for d = 6 (SetControlledBy).
    void SetL06y(int d) { SetControlledBy(axY, 6, d); }
    /// The layer whose x range layer 7 follows (ControlledBy).
    int L07x() const { return FTable[axX][7]; }
    /// Joins layer 7 in x to layer d, or releases it for d = 7 (SetControlledBy).
    void SetL07x(int d) { SetControlledBy(axX, 7, d); }
    /// The layer whose y range layer 7 follows (ControlledBy).
    int L07y() const { return FTable[axY][7]; }
    /// Joins layer 7 in y to layer d, or releases it for d = 7 (SetControlledBy).
    void SetL07y(int d) { SetControlledBy(axY, 7, d); }
    /// The layer whose x range layer 8 follows (ControlledBy).
    int L08x() const { return FTable[axX][8]; }
    /// Joins layer 8 in x to layer d, or releases it for d = 8 (SetControlledBy).
    void SetL08x(int d) { SetControlledBy(axX, 8, d); }
    /// The layer whose y range layer 8 follows (ControlledBy).
    int L08y() const { return FTable[axY][8]; }
    /// Joins layer 8 in y to layer d, or releases it for d = 8 (SetControlledBy).
    void SetL08y(int d) { SetControlledBy(axY, 8, d); }
    /// The layer whose x range layer 9 follows (ControlledBy).
    int L09x() const { return FTable[axX][9]; }
    /// Joins layer 9 in x to layer d, or releases it for d = 9 (SetControlledBy).
    void SetL09x(int d) { SetControlledBy(axX, 9, d); }
    /// The layer whose y range layer 9 follows (ControlledBy).
    int L09y() const { return FTable[axY][9]; }
    /// Joins layer 9 in y to layer d, or releases it for d = 9 (SetControlledBy).
    void SetL09y(int d) { SetControlledBy(axY, 9, d); }
    /// The layer whose x range layer 10 follows (ControlledBy).
    int L10x() const { return FTable[axX][10]; }
    /// Joins layer 10 in x to layer d, or releases it for d = 10 (SetControlledBy).
    void SetL10x(int d) { SetControlledBy(axX, 10, d); }
    /// The layer whose y range layer 10 follows (ControlledBy).
    int L10y() const { return FTable[axY][10]; }
    /// Joins layer 10 in y to layer d, or releases it for d = 10 (SetControlledBy).
    void SetL10y(int d) { SetControlledBy(axY, 10, d); }
    /// The layer whose x range layer 11 follows (ControlledBy).
    int L11x() const { return FTable[axX][11]; }
    /// Joins layer 11 in x to layer d, or releases it for d = 11 (SetControlledBy).
    void SetL11x(int d) { SetControlledBy(axX, 11, d); }
    /// The layer whose y range layer 11 follows (ControlledBy).
    int L11y() const { return FTable[axY][11]; }
    /// Joins layer 11 in y to layer d, or releases it for d = 11 (SetControlledBy).
    void SetL11y(int d) { SetControlledBy(axY, 11, d); }
    /// The layer whose x range layer 12 follows (ControlledBy).
    int L12x() const { return FTable[axX][12]; }
    /// Joins layer 12 in x to layer d, or releases it for d = 12 (SetControlledBy).
    void SetL12x(int d) { SetControlledBy(axX, 12, d); }
    /// The layer whose y range layer 12 follows (ControlledBy).
    int L12y() const { return FTable[axY][12]; }
    /// Joins layer 12 in y to layer d, or releases it for d = 12 (SetControlledBy).
    void SetL12y(int d) { SetControlledBy(axY, 12, d); }
    /// The layer whose x range layer 13 follows (ControlledBy).
    int L13x() const { return FTable[axX][13]; }
    /// Joins layer 13 in x to layer d, or releases it for d = 13 (SetControlledBy).
    void SetL13x(int d) { SetControlledBy(axX, 13, d); }
    /// The layer whose y range layer 13 follows (ControlledBy).
    int L13y() const { return FTable[axY][13]; }
    /// Joins layer 13 in y to layer d, or releases it for d = 13 (SetControlledBy).
    void SetL13y(int d) { SetControlledBy(axY, 13, d); }
    /// The layer whose x range layer 14 follows (ControlledBy).
    int L14x() const { return FTable[axX][14]; }
    /// Joins layer 14 in x to layer d, or releases it for d = 14 (SetControlledBy).
    void SetL14x(int d) { SetControlledBy(axX, 14, d); }
    /// The layer whose y range layer 14 follows (ControlledBy).
    int L14y() const { return FTable[axY][14]; }
    /// Joins layer 14 in y to layer d, or releases it for d = 14 (SetControlledBy).
    void SetL14y(int d) { SetControlledBy(axY, 14, d); }
    /// The layer whose x range layer 15 follows (ControlledBy).
    int L15x() const { return FTable[axX][15]; }
    /// Joins layer 15 in x to layer d, or releases it for d = 15 (SetControlledBy).
    void SetL15x(int d) { SetControlledBy(axX, 15, d); }
    /// The layer whose y range layer 15 follows (ControlledBy).
    int L15y() const { return FTable[axY][15]; }
    /// Joins layer 15 in y to layer d, or releases it for d = 15 (SetControlledBy).
    void SetL15y(int d) { SetControlledBy(axY, 15, d); }
    /// The layer whose x range layer 16 follows (ControlledBy).
    int L16x() const { return FTable[axX][16]; }
    /// Joins layer 16 in x to layer d, or releases it for d = 16 (SetControlledBy).
    void SetL16x(int d) { SetControlledBy(axX, 16, d); }
    /// The layer whose y range layer 16 follows (ControlledBy).
    int L16y() const { return FTable[axY][16]; }
    /// Joins layer 16 in y to layer d, or releases it for d = 16 (SetControlledBy).
    void SetL16y(int d) { SetControlledBy(axY, 16, d); }
    ///@}

private:
    std::array<std::array<int, PloticaLayerCount + 1>, 2> FTable{};  // index 0 unused
};
