// Replaced by the resource tables.
