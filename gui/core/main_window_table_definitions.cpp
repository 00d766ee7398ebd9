// Stored definitions of the main window's tables: properties and column
// definitions in the notation of value_stream.h, read at start-up.
#include "main_window_tables.h"

namespace keldor::gui {

std::string_view MainWindowTableDefinitions() {
  static constexpr std::string_view kDefinitions = R"KELDOR(
object PileSect: TGridTable
  Identifier = 15
  Caption = 'Wall Stiffness'
  MaxRows = 10
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Section'
  Col = {
    4
    1 ('From Node No. (Start)') True False 0 0 2147483600
    1 ('To Node No. (End)') True False 1 0 2147483647
    0 ('Constant or Interpolate?                                  ') True False ('Use Constant Value for all Nodes on this Line' 'Linear Interpolate to End Node of Next Line')
    2 ('Flexural Stiffness (EI)') True False False 'FLOATCOLUMN2' 'F-L^2' 0.0
  }
end
object SoilLayers: TGridTable
  Identifier = 2
  Caption = 'Specify Deflection & Slope Restrains'
  MaxRows = 10
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Layer'
  Col = {
    4
    0 ('Case                                         ') True False ('Specify Deflection' 'Specify Slope' '')
    1 ('Nodal No.') True False 0 0 2147483600
    2 ('Deflection') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('Slope') True False False 'FLOATCOLUMN2' '' 0.0
  }
end
object SoilWeight: TGridTable
  Identifier = 3
  Caption = 'Soil Weight'
  MaxRows = 20
  MinRows = 2
  HardwiredButton = True
  TopLeft = 'Point'
  Col = {
    2
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Unit Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
  }
end
object SoilStrength: TGridTable
  Identifier = 4
  Caption = 'Lateral Spring and Rotation Spring'
  MaxRows = 20
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Point'
  Col = {
    5
    0 ('Constant or Interpolate?                                      ') True False ('Use Constant Values for all Nodes on this Line  ' 'Linear Interpolate to End Node of Next Line')
    1 ('From Node No.     ' '(Start)') True False 0 0 2147483647
    1 ('To Node No.   ' '(End)') True False 0 -2147483648 2147483647
    2 ('Lateral Spring' 'Stiffness') True False False 'FLOATCOLUMN2' 'F/L' 0.0
    2 ('Rotational Spr.' 'Stiff.') True False False 'FLOATCOLUMN2' 'F-L/RAD.' 0.0
  }
end
object PYMod: TGridTable
  Identifier = 16
  Caption = 'p-y Modification Factors'
  MaxRows = 30
  MinRows = 2
  HardwiredButton = True
  Col = {
    3
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('p-Multiplier') True False False 'FLOATCOLUMN2' '' 1.0
    2 ('y-Multiplier') True False False 'FLOATCOLUMN2' '' 1.0
  }
end
object PYCurves: TGridTable
  Identifier = 20
  Caption = 'Sets of Ext. p-y Curves'
  MaxRows = 30
  MinRows = 2
  HardwiredButton = True
  Col = {
    4
    1 ('Nodal # ') True False 0 -2147483648 2147483647
    3 ('Curve Sets') True False 'FLEXCOLUMN2' (21)
    2 ('Multiplier for' 'p-value') True False False 'FLOATCOLUMN2' '' 1.0
    2 ('Multiplier for' 'y-value') True False False 'FLOATCOLUMN2' '' 1.0
  }
end
object PYCurve: TGridTable
  Identifier = 21
  Caption = 'External p-y Curve'
  MaxRows = 17
  MinRows = 2
  HardwiredButton = True
  TopLeft = 'Point'
  Col = {
    2
    2 ('Lateral Deflection, y (*)') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('Soil Resistance, p') True False False 'FLOATCOLUMN2' 'F/L' 0.0
  }
end
object DistLoad: TGridTable
  Identifier = 22
  Caption = 'Distributed Loads'
  MaxRows = 100
  MinRows = 2
  HardwiredButton = True
  Col = {
    2
    2 ('Depth measured from the top of the wall,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Lateral distributed line load, ') True False False 'FLOATCOLUMN2' 'F/L2' 0.0
  }
end
object BoundCond: TGridTable
  Identifier = 123
  Caption = 'Concentrated Loads on Wall'
  MaxRows = 20
  MinRows = 1
  HardwiredButton = True
  Col = {
    6
    0 ('Constant or Interpolate?                                  ') True False ('Use Constant Values for all Nodes on this Line' 'Linear Interpolate to End Node of Next Line')
    1 ('From Node No.' '(Start)') True False 0 0 2147483600
    1 ('To Node No.' '(End)') True False 1 0 2147483647
    2 ('Lateral Load') True False False 'FLOATCOLUMN2' 'F' 0.0
    2 ('Moment') True False False 'FLOATCOLUMN2' 'F-L' 0.0
    2 ('Axial Load') True False False 'FLOATCOLUMN2' 'F' 0.0
  }
end
object TipRes: TGridTable
  Identifier = 124
  Caption = 'User-Specified Earth Pressure'
  MaxRows = 15
  MinRows = 2
  HardwiredButton = True
  TopLeft = 'Point'
  Col = {
    2
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('tip load') True False False 'FLOATCOLUMN2' 'F/L' 0.0
  }
end
object PYOutpt: TGridTable
  Identifier = 25
  Caption = 'Printing Depths'
  MaxRows = 10
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Curve No'
  Col = {
    1
    2 ('Depth') True False False 'FLOATCOLUMN2' 'L2' 0.0
  }
end
object AxLoads: TGridTable
  Identifier = 26
  Caption = 'Soil Layer Data'
  MaxRows = 10
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Number'
  Col = {
    7
    0 ('Soil Type') True False ('Soft clay' 'Stiff clay w/ free water' 'Stiff clay w/o free water' 'Sand' 'Silt' 'Rock')
    2 ('Layer' 'Thick.,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Total Unit' 'Wt,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesion,' ' ') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Friction' 'Angle (deg.)') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('E50') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('K,' '') True False False 'FLOATCOLUMN2' 'F/L^3' 0.0
  }
end
object Rows: TGridTable
  Identifier = 27
  Caption = 'Moment and EI data'
  MaxRows = 100
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'Point'
  Col = {
    2
    2 ('Bending moment' '') True False False 'FLOATCOLUMN2' 'F-L' 0.0
    2 ('Flexural rigidity' '') True False False 'FLOATCOLUMN2' 'F-L^2' 0.0
  }
end
object Soillayer: TGridTable
  Identifier = 0
  Caption = 'Specify Deflection and Slope on Wall'
  MaxRows = 10
  MinRows = 1
  HardwiredButton = True
  TopLeft = 'No'
  Col = {
    4
    0 ('Case                                           ') True False ('Specify Deflection' 'Specify Slope')
    1 ('Nodal No.') True False 0 0 2147483600
    2 ('Deflection') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('Slope') True False False 'FLOATCOLUMN2' '' 0.0
  }
end
object LongDist: TGridTable
  Identifier = 104
  Caption = 'Distributed Load (Long-Term)'
  MaxRows = 0
  MinRows = 1
  Col = {
    2
    2 ('Depth measured from the top of the wall,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Lateral distributed line load,') True False False 'FLOATCOLUMN2' 'F/L2' 0.0
  }
end
object LongSoilOld: TGridTable
  Identifier = 105
  Caption = 'Soil Layers (Long-Term)'
  MaxRows = 10
  MinRows = 1
  Col = {
    7
    1 ('Soil type') True False 0 0 2147483647
    2 ('Layer' 'thick.,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Total Unit' 'Wt,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesion,' '') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('Friction' 'Angle (deg.)') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('E50') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('K,' '') True False False 'FLOATCOLUMN2' 'F/L^3' 0.0
  }
end
object TblSand1: TGridTable
  Identifier = 17
  Caption = 'Sand'
  MaxRows = 2
  MinRows = 2
  Col = {
    3
    2 ('Total Unit' 'Weight,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Friction' 'Angle, deg.') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('k(py)') True False False 'FLOATCOLUMN2' 'F/L^3' 0.0
  }
end
object TblClay1: TGridTable
  Identifier = 18
  Caption = 'Clay'
  MaxRows = 2
  MinRows = 2
  Col = {
    4
    2 ('Total Unit' 'Weight,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Cohesive' 'Strength,') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('E50' '') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('k(py)') True False False 'FLOATCOLUMN2' 'F/L^3' 0.0
  }
end
object NewSoil: TGridTable
  Identifier = 19
  Caption = 'Soil Layers'
  MaxRows = 10
  MinRows = 1
  Col = {
    3
    0 ('Soil ' 'Type') True False ('Soft Clay' 'Stiff Clay with Free Water' 'Stiff Clay w/o Free Water' 'Sand' 'Silt (c-phi soil)' 'Strong Rock' 'Weak Rock')
    2 ('Depth at Bottom' 'of the Layer,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    3 ('Edit Soil' 'Parameters') True False 'FLEXCOLUMN2' (18 18 18 17 29 30 31)
  }
end
object TblSilt1: TGridTable
  Identifier = 29
  Caption = 'Silt'
  MaxRows = 2
  MinRows = 2
  Col = {
    5
    2 ('Total Unit ' 'Weight,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Friction' 'Angle, deg.') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Cohesive' 'Strength,') True False False 'FLOATCOLUMN2' 'F/L2^2' 0.0
    2 ('E50' '') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('K(py)') True False False 'FLOATCOLUMN2' 'F/L^3' 0.0
  }
end
object TblRock1: TGridTable
  Identifier = 30
  Caption = 'Strong Rock'
  MaxRows = 2
  MinRows = 2
  Col = {
    2
    2 ('Total Unit' 'Weight,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Uniaxial Compressive' 'Strength,') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
  }
end
object TblRock2: TGridTable
  Identifier = 31
  Caption = 'Weak Rock'
  MaxRows = 2
  MinRows = 2
  Col = {
    5
    2 ('Total Unit' 'Weight,') True False False 'FLOATCOLUMN2' 'F/L2^3' 0.0
    2 ('Uniaxial Compressive' 'Strength,') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('krm *') True False False 'FLOATCOLUMN2' '' 0.0
    2 ('Elastic' 'Modulus,') True False False 'FLOATCOLUMN2' 'F/L^2' 0.0
    2 ('RQD' '%') True False False 'FLOATCOLUMN2' '' 0.0
  }
end
object LongSoil: TGridTable
  Identifier = 44
  Caption = 'Soil Layers (Long-Term)'
  MaxRows = 10
  MinRows = 1
  Col = {
    3
    0 ('Soil' 'Type') True False ('Soft Clay' 'Stiff Clay with Free water' 'Stiff Clay w/o Free Water' 'Sand' 'Silt (c-phi soil)' 'Strong Rock' 'Weak Rock')
    2 ('Depth at Bottom' 'of the Layer,') True False False 'FLOATCOLUMN2' 'L2' 0.0
    3 ('Edit Soil' 'Parameters') True False 'FLEXCOLUMN2' (18 18 18 17 29 30 31)
  }
end
object SurchargeTable: TGridTable
  Identifier = 23
  Caption = 'Surcharge Loads'
  MaxRows = 20
  MinRows = 1
  Col = {
    4
    0 ('Load Types') True False ('Point Load' 'Line Load' 'Strip Load')
    2 ('Load Magnitude') True False False 'FLOATCOLUMN2' 'SEE NOTES' 0.0
    2 ('Distance, X') True False False 'FLOATCOLUMN2' 'L1' 0.0
    2 ('Width of Strip Load, W') True False False 'FLOATCOLUMN2' 'L1' 0.0
  }
end
object MEICurves: TGridTable
  Identifier = 24
  Caption = 'Nonlinear Moment vs EI Curves'
  MaxRows = 20
  MinRows = 1
  TopLeft = 'Section'
  Col = {
    3
    1 ('From Node No.' '(Start)') True False 0 0 2147483647
    1 ('To Node No.' '(End)') True False 0 0 2147483647
    3 () True False 'FLEXCOLUMN2' (27)
  }
end
object Rows2: TGridTableChart
  Identifier = 0
  Caption = 'Moment and EI data'
  MaxRows = 100
  MinRows = 1
  HardwiredButton = True
  GetDataFromFile = True
  OKCancelButtons = False
  InvertedXAxis = False
  InvertedYAxis = False
  TopLeft = 'Point'
  Col = {
    2
    2 ('Bending moment') True False False 'FLOATCOLUMN2' 'F-L' 0.0
    2 ('Flexural rigidity') True False False 'FLOATCOLUMN2' 'F-L^2' 0.0
    True False 0 1 0 0
  }
end
object MEICurves2: TGridTableChart
  Identifier = 36
  Caption = 'Nonlinear Moment vs EI Curves'
  MaxRows = 20
  MinRows = 1
  GetDataFromFile = False
  OKCancelButtons = False
  InvertedXAxis = False
  InvertedYAxis = False
  TopLeft = 'Section'
  Col = {
    3
    1 ('From Node No. (Start)') True False 0 0 1000
    1 ('To Node No. (End)') True False 0 0 1000
    3 () True False 'FLEXCOLUMN2' (0)
    False False 0 0 0 0
  }
end
object PYCurves2: TGridTableChart
  Identifier = 37
  Caption = 'Sets of Ext. p-y Curves'
  MaxRows = 30
  MinRows = 2
  GetDataFromFile = False
  OKCancelButtons = False
  InvertedXAxis = False
  InvertedYAxis = False
  Col = {
    4
    1 ('Node # ') True False 0 -2147483648 2147483647
    3 ('Multiplier for p-value') True False 'FLEXCOLUMN2' (38)
    2 ('Multiplier for p-value') True False False 'FLOATCOLUMN2' '' 1.0
    2 ('Multiplier for y-value') True False False 'FLOATCOLUMN2' '' 1.0
    False False 0 0 0 0
  }
end
object PYCurve2: TGridTableChart
  Identifier = 38
  Caption = 'External p-y Curve'
  MaxRows = 17
  MinRows = 2
  HardwiredButton = True
  GetDataFromFile = True
  OKCancelButtons = False
  InvertedXAxis = False
  InvertedYAxis = False
  TopLeft = 'Point'
  Col = {
    2
    2 ('Lateral Deflection, y (*)') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('Soil Resistance, p') True False False 'FLOATCOLUMN2' 'F/L' 0.0
    True False 0 1 0 0
  }
end
)KELDOR";
  return kDefinitions;
}

}  // namespace keldor::gui
