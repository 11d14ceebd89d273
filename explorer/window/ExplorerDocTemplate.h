// The explorer module's entry point: it makes the Explorer window openable by
// the host by registering the Explorer document template (class id
// {11024DC0-59B6-11D0-8D77-00C0DF469D39}, resource IDR_EXPLORER_TEMPLATE) with the host
// application, after starting the module (resources, registered messages and
// clipboard formats). Returns 1.
#pragma once

int ADInitDll();
