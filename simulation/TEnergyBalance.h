// SPDX-License-Identifier: MIT
#pragma once
// Where the energy of the mass is: potential and kinetic energy and their sum, with the speed and
// the simulated time of the fall that the timer steps. Energies in kJ.

struct TEnergyBalance {
    double Potential = 0;  // m·g·h
    double Kinetic = 0;    // ½·m·v²
    double Total = 0;
    double Speed = 0;  // m/s
    double Time = 0;   // s since the release that started the fall from rest

    // simulated seconds per fall step
    static double StepSeconds();
    // the speed after a fall step that dropped the mass by fallSpeed metres, under the pull g
    static double SpeedAfterStep(double fallSpeed, double g);
};
