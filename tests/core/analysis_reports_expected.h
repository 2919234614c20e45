// Reports and fit files of small analyses, worked out independently of the
// program (plain double arithmetic in the written order, decimal rounding of
// the exact binary values), with the input files they come from. Lines of the
// inputs end with LF here; the tests write them with CR LF as the program
// does. "@INPUT@" stands for the input file's path in line 5.
#pragma once

namespace tervala::expected {

// Three rows with serials 7, 42 and 123: every alpha of the grid that stays
// 0 gives the same sum, so the first grid point (A 0.0001, C -0.0499) wins.
const char* const kSerialsInput =
    R"TXT( Input data for Tervala program
 Discharge analysis and reconstruction

Serials 7, 42 and 123
three rows

 Filename: x
 Maximum dead storage:    50.00
 Initial dead storage:    20.00
 Max.escape/time unit:     2.00

 --------------------------------------------------
  Serial    T i m e   R a i n    Esc. rate  Run-off
 --------------------------------------------------
    7         1.00     40.00      2.00      3.00
   42         2.00      0.00      5.00      2.00
  123         3.00     10.00      5.00      2.50
)TXT";

const char* const kSerialsReport =
    R"TXT(THE RESULTS OF Tervala PROGRAM

Serials 7, 42 and 123
three rows
Name of input file used: @INPUT@

Maximum dead storage:   50.00 mm
Initial dead storage:   20.00 mm
Max. escape/time unit:   2.00 mm

REGRESSION: alpha = A * Discharge + C
A = 0.0001  C = -0.0499

RECONSTRUCTION:
---------------------------------------------------------------------------
Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage
 No.              irrig.     calc.     meas.     calc.    calc.
---------------------------------------------------------------------------
 7        1.00     40.00     10.00      3.00     0.000      3.00      0.00
 42       2.00      0.00     10.00      2.00     0.000      3.00      7.00
 123      3.00     10.00      0.50      2.50     0.000      3.00      4.50
---------------------------------------------------------------------------
Stand. dev. of calc. from meas. runoff:   0.791
Coefficient of explanation R square is:    0.82

)TXT";

const char* const kSerialsFit =
    R"TXT(Linear: Runoff = A * Recharge + C
A=  0.0000 C=  0.0000

Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C
A=  0.00000 B=  0.00000 C=  0.00000

Q= 0

Quadratic Alpha = A*(runoff)sq + B*Runoff + C
A=  0.00000 B=  0.00000 C=  0.00000
)TXT";

// Twelve rows made from A 0.03 and C 0.02, rounded to the file's two decimals.
const char* const kTwelveInput =
    R"TXT( Input data for Tervala program
 Discharge analysis and reconstruction

Twelve rows
trend and interior winner

 Filename: x
 Maximum dead storage:    5.00
 Initial dead storage:    5.00
 Max.escape/time unit:    0.50

 --------------------------------------------------
  Serial    T i m e   R a i n    Esc. rate  Run-off
 --------------------------------------------------
    1         1.00       8.00  2.0E-0001       2.00
    2         2.00       1.00  2.0E-0001       2.46
    3         3.00  5.0E-0001  2.0E-0001       2.27
    4         4.00      12.00  2.0E-0001       3.07
    5         5.00       3.00  2.0E-0001       3.04
    6         6.00       1.00  2.0E-0001       2.81
    7         7.00  6.0E-0001  2.0E-0001       2.57
    8         8.00      20.00  2.0E-0001       4.16
    9         9.00       6.00  2.0E-0001       4.38
   10        10.00       2.00  2.0E-0001       4.02
   11        11.00       1.00  2.0E-0001       3.60
   12        12.00  7.0E-0001  2.0E-0001       3.23
)TXT";

const char* const kTwelveReport =
    R"TXT(THE RESULTS OF Tervala PROGRAM

Twelve rows
trend and interior winner
Name of input file used: @INPUT@

Maximum dead storage:    5.00 mm
Initial dead storage:    5.00 mm
Max. escape/time unit:   0.50 mm

REGRESSION: alpha = A * Discharge + C
A = 0.0295  C =  0.0210

RECONSTRUCTION:
---------------------------------------------------------------------------
Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage
 No.              irrig.     calc.     meas.     calc.    calc.
---------------------------------------------------------------------------
 1        1.00      8.00      8.00      2.00     0.000      2.00      0.00
 2        2.00      1.00      8.00      2.46     0.080      2.46      5.54
 3        3.00      0.50      0.30      2.27     0.094      2.27      3.57
 4        4.00     12.00     11.80      3.07     0.088      3.07     12.30
 5        5.00      3.00      2.80      3.04     0.112      3.04     12.06
 6        6.00      1.00      0.80      2.81     0.111      2.81     10.05
 7        7.00      0.60      0.40      2.57     0.104      2.57      7.88
 8        8.00     20.00     19.80      4.16     0.097      4.16     23.52
 9        9.00      6.00      5.80      4.38     0.144      4.38     24.94
 10      10.00      2.00      1.80      4.02     0.150      4.02     22.72
 11      11.00      1.00      0.80      3.60     0.140      3.60     19.92
 12      12.00      0.70      0.50      3.23     0.127      3.23     17.20
---------------------------------------------------------------------------
Stand. dev. of calc. from meas. runoff:   0.001
Coefficient of explanation R square is:    0.99

)TXT";

const char* const kTwelveFit =
    R"TXT(Linear: Runoff = A * Recharge + C
A=  0.0372 C= -0.0128

Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C
A=  0.00284 B= -0.00617 C=  3.00963

Q= 1

Quadratic Alpha = A*(runoff)sq + B*Runoff + C
A= -0.03275 B=  0.24843 C= -0.33527
)TXT";

// Discharge rising and falling again with the recharge: the parabola's
// turning point lies inside the rain range, so the run warns.
const char* const kHumpInput =
    R"TXT( Input data for Tervala program
 Discharge analysis and reconstruction

Hump


 Filename: x
 Maximum dead storage:    5.00
 Initial dead storage:    5.00
 Max.escape/time unit:    0.50

 --------------------------------------------------
  Serial    T i m e   R a i n    Esc. rate  Run-off
 --------------------------------------------------
    1         1.00       3.00  2.0E-0001       4.98
    2         2.00       9.00  2.0E-0001       5.22
    3         3.00       1.00  2.0E-0001       3.30
    4         4.00       7.00  2.0E-0001       5.94
    5         5.00      12.00  2.0E-0001       2.64
    6         6.00       5.00  2.0E-0001       5.86
    7         7.00       2.00  2.0E-0001       4.24
    8         8.00      10.00  2.0E-0001       4.56
    9         9.00       6.00  2.0E-0001       6.00
   10        10.00       4.00  2.0E-0001       5.52
   11        11.00      11.00  2.0E-0001       3.70
   12        12.00       8.00  2.0E-0001       5.68
)TXT";

const char* const kHumpReport =
    R"TXT(THE RESULTS OF Tervala PROGRAM

Hump

Name of input file used: @INPUT@

Maximum dead storage:    5.00 mm
Initial dead storage:    5.00 mm
Max. escape/time unit:   0.50 mm

REGRESSION: alpha = A * Discharge + C
A = 0.0001  C = -0.0499

RECONSTRUCTION:
---------------------------------------------------------------------------
Serial    Time    Rain +    Recharge   Runoff    Alpha    Runoff    Storage
 No.              irrig.     calc.     meas.     calc.    calc.
---------------------------------------------------------------------------
 1        1.00      3.00      3.00      4.98     0.000      4.98      0.00
 2        2.00      9.00      8.80      5.22     0.000      4.98      3.82
 3        3.00      1.00      0.80      3.30     0.000      4.98     -0.36
 4        4.00      7.00      6.80      5.94     0.000      4.98      1.46
 5        5.00     12.00     11.80      2.64     0.000      4.98      8.28
 6        6.00      5.00      4.80      5.86     0.000      4.98      8.10
 7        7.00      2.00      1.80      4.24     0.000      4.98      4.92
 8        8.00     10.00      9.80      4.56     0.000      4.98      9.74
 9        9.00      6.00      5.80      6.00     0.000      4.98     10.56
 10      10.00      4.00      3.80      5.52     0.000      4.98      9.38
 11      11.00     11.00     10.80      3.70     0.000      4.98     15.20
 12      12.00      8.00      7.80      5.68     0.000      4.98     18.02
---------------------------------------------------------------------------
Stand. dev. of calc. from meas. runoff:   1.138
Coefficient of explanation R square is:    0.55

)TXT";

const char* const kHumpFit =
    R"TXT(Linear: Runoff = A * Recharge + C
A=  0.0000 C=  0.0000

Quadratic: Runoff = A * (Recharge)Sq +  B * Recharge + C
A= -0.09993 B=  1.20196 C=  2.37743

Q= 1

Quadratic Alpha = A*(runoff)sq + B*Runoff + C
A=  0.00000 B=  0.00000 C=  0.00000
)TXT";

// A head analysis of three rows.
const char* const kHead3Input =
    R"TXT( Input data for Tervala program
 Hydraulic head analysis and reconstruction

Head, three rows
water table in mm

 Filename: x
 Maximum dead storage:    50.00
 Initial dead storage:    20.00
 Max.escape/time unit:     2.00

 ----------------------------------------------------
  Serial    T i m e   R a i n    Esc. rate  hydr.head
 ----------------------------------------------------
    1         1.00     40.00      2.00    500.00
    2         2.00      0.00      5.00    420.00
    3         3.00     10.00      5.00    380.00
)TXT";

const char* const kHead3Report =
    R"TXT(THE RESULTS OF Tervala PROGRAM
Hydraulic Head simulation
Head, three rows
water table in mm
Name of input file used: @INPUT@

Maximum dead storage:   50.00 mm
Initial dead storage:   20.00 mm
Max. escape/time unit:   2.00 mm

REGRESSION: Alpha = B * Head + F
B =  0.0001  F =  0.1230
Ht = Ht-1*exp(-Alpha*Dt) + Rech*{1-exp(-Alpha*Ts)}/0.8*Pd*Alpha
where Ts = timestep and Pd = drainable porosity fraction = 0.020
*
RECONSTRUCTION
----------------------------------------------------------------
Serial    Time    Rain +   Recharge    Head      Alpha    Head 
 No.              irrig.    calc.      meas.     calc.    calc.
----------------------------------------------------------------
 1        1.00     40.00     10.00    500.00     0.000    500.00
 2        2.00      0.00      0.00    420.00     0.173    420.57
 3        3.00     10.00      0.50    380.00     0.165    379.62
----------------------------------------------------------------
Stand. dev. of calc. from meas. runoff:   0.482
Coefficient of explanation R square is:    0.99

)TXT";

const char* const kHead3Fit =
    R"TXT(Linear: Hydr.Head = A * Recharge + C
A=  0.0567 C=  0.1458

Quadratic: Hydr.Head = A * Recharge(Sq) +  B * Recharge + C
A=  0.00000 B=  0.00000 C=  0.00000

Q= 0

Quadratic Alpha = A*(Hydr.Head)sq + B*Hydr.Head + C
A= -1.65482 B=  1.52243 C= -0.17451
)TXT";
}  // namespace tervala::expected
