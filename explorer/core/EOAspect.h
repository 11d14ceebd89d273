// The display aspects a node is asked for with GetDisplayText: column 0 of the
// contents pane (and the tree label) shows the name; containers choose the
// aspect of each further column.
#pragma once

enum EOAspect {
  EOAspectName = 0,               // also the tree label and the text edited in place ("Name")
  EOAspectType = 1,               // the node's kind ("Type")
  EOAspectStatus = 2,             // "Status"
  EOAspectUnused = 3,             // answered by no node
  EOAspectEquations = 4,          // "Equations"
  EOAspectVariables = 5,          // "Variables"
  EOAspectDegreesOfFreedom = 6,   // "DoF"
  EOAspectPropertyFile = 7,       // "Property File"
  EOAspectPhysicalQuantity = 8,   // "Physical Quantity"
  EOAspectDescription = 9,        // "Description"
  EOAspectCurrentUnits = 10,      // "Current Units"
};
