# Installs the build tree into a fresh prefix, builds the programs of this
# folder against it and runs them: describe_image, built through the CMake
# package and through pkg-config, on the sample; paint_with_module on the
# same sample, whose output must be byte for byte what the installed florwash
# tool writes.
#
# Run with cmake -P and these definitions: BUILD_DIR, BUILD_TYPE, WORK_DIR,
# SAMPLE, GENERATOR, MAKE_PROGRAM, C_COMPILER, CXX_COMPILER, LIBDIR, and the
# build's C_FLAGS, CXX_FLAGS and LINKER_FLAGS (a sanitizer build's consumers
# need the same instrumentation).

# Runs a command and stops the test, with its output, when it fails. The
# output is left in run_output.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT result EQUAL 0)
        string(REPLACE ";" " " command "${ARGN}")
        message(FATAL_ERROR "${command} failed (${result}):\n${output}")
    endif()
    set(run_output "${output}" PARENT_SCOPE)
endfunction()

set(prefix "${WORK_DIR}/prefix")
set(consumer "${WORK_DIR}/build")
set(files "${WORK_DIR}/files")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${files}")

run("${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" --config "${BUILD_TYPE}")
run("${CMAKE_COMMAND}" -S "${CMAKE_CURRENT_LIST_DIR}" -B "${consumer}" -G "${GENERATOR}"
    "-DCMAKE_MAKE_PROGRAM=${MAKE_PROGRAM}"
    "-DCMAKE_C_COMPILER=${C_COMPILER}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}"
    "-DCMAKE_C_FLAGS=${C_FLAGS}"
    "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}"
    "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}"
    "-DCMAKE_PREFIX_PATH=${prefix}")
run("${CMAKE_COMMAND}" --build "${consumer}" --parallel 2)

file(COPY_FILE "${SAMPLE}" "${files}/in.bmp")
foreach(program describe_image describe_image_pkgconfig)
    run("${consumer}/${program}" "${files}/in.bmp" "${files}/${program}.bmp")
    if(NOT run_output MATCHES "in.bmp: [0-9]+ x [0-9]+, [0-9]+ bits per pixel\n")
        message(FATAL_ERROR "${program} printed:\n${run_output}")
    endif()
endforeach()
run("${CMAKE_COMMAND}" -E compare_files "${files}/describe_image.bmp" "${files}/describe_image_pkgconfig.bmp")

run("${CMAKE_COMMAND}" -E chdir "${files}"
    "${consumer}/paint_with_module" "${prefix}/${LIBDIR}/libPelwickBMPFlorwash.so")
run("${prefix}/bin/florwash" paint "${files}/in.bmp" "${files}/tool.bmp")
run("${CMAKE_COMMAND}" -E compare_files "${files}/out.bmp" "${files}/tool.bmp")
