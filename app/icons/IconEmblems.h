// The small vocabulary the program's pictures are made of: each emblem is a
// recognisable drawing (a flask for a simulation, books for a library, a cube
// for a model ...) designed on a 32 x 32 grid and drawn into any box.
#pragma once

#include <QRectF>

class QPainter;

enum class Emblem {
  None,
  Simulation,
  Library,
  LibraryFile,
  CustomModeling,
  Flowsheet,
  Block,
  Stream,
  Model,
  StreamType,
  ControllerType,
  VariableType,
  PortType,
  ParameterType,
  Procedure,
  Function,
  ComponentList,
  ModelText,
  StructureType,
  Structures,
  Task,
  Script,
  Form,
  PlotForm,
  Picture,
  Help,
  UnitSet,
  SolverOptions,
  Properties,
  RunOptions,
  Homotopy,
  Snapshots,
  AccessExtensions,
  OnLineLinks,
  Estimation,
  Optimization,
  Diagnostics,
  Decomposition,
  Warning,
  Group,
  TornGroup,
  Equivalences,
  Equivalence,
  Variable,
  Equation,
  // Overlay badges, drawn small in a corner over another picture.
  ErrorMark,
  DefaultMark,
  SpareMark,
  AvailableMark,
  ProblemMark,
  EquivalenceMark,
  ActiveMark,
};

// Draws emblem scaled into box. An open emblem (a container shown expanded)
// gets a pale halo behind it.
void DrawEmblem(QPainter& painter, Emblem emblem, const QRectF& box, bool open = false);

// A folder filling box, closed or open.
void DrawFolder(QPainter& painter, const QRectF& box, bool open);

// The green plus of the "Add" entries, in the upper right of box.
void DrawAddBadge(QPainter& painter, const QRectF& box);

// A blank page with a letter: the picture of something the program has no drawing for.
void DrawLetterPage(QPainter& painter, const QRectF& box, QChar letter);
