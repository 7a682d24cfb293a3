// Lets the script that drives the benchmark's page reach the measurement (choice_bench.cpp); added
// to the module's script by the link, where `Module` is the module.
globalThis.discadaChoiceBench = () => UTF8ToString(Module["_web_bench_choices"]());
