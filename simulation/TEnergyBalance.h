// SPDX-License-Identifier: MIT
#pragma once
// Where the energy of the mass is: potential and kinetic energy, the thermal energy an impact has
// left in mass and ground, and their sum, with the speed and the simulated time of the fall that
// the timer steps. Energies in kJ.

struct TEnergyBalance {
    double Potential = 0;  // m·g·h
    double Kinetic = 0;    // ½·m·v²
    double Thermal = 0;    // what the impacts turned into heat (and sound) since the last lift
    double Total = 0;
    double Speed = 0;  // m/s
    double Time = 0;   // s since the release that started the fall from rest

    // the simulated time after k fall steps from rest, in seconds
    static double StepTime(int k);
    // the speed after a fall step that dropped the mass by fallSpeed metres, under the pull g
    static double SpeedAfterStep(double fallSpeed, double g);
};
