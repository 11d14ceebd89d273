// The explorer module's entry point: it makes the Explorer window openable by
// the host by registering the Explorer document template (class id
// {11024DC0-59B6-11D0-8D77-00C0DF469D39}, resource IDR_EXPLORER_TEMPLATE) with the host
// application, after starting the module (resources, registered messages and
// clipboard formats) and registering the node classes the window makes itself
// (RegisterExplorerNodeClasses). The program, the command line and the tests
// and benchmarks that open Explorers start the module through it. Returns 1.
#pragma once

int ADInitDll();
