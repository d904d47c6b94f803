// Validates glTF files with the Khronos glTF validator and prints a JSON report: for each
// file its error and warning counts and those issues (infos and hints left out). Exits with
// 1 when a file has an error or a warning that ALLOWED_WARNINGS does not name.
//     node validate.mjs VALIDATOR_FOLDER FILE_OR_FOLDER...
// VALIDATOR_FOLDER holds the installed package (see install.sh); a folder argument stands
// for every .glb and .gltf file in it and its subfolders.
import { createRequire } from 'node:module';
import { readFile, readdir, stat } from 'node:fs/promises';
import path from 'node:path';

// Warnings the exporter's files may carry, each with the reason it is right.
const ALLOWED_WARNINGS = {};

const ERROR = 0;
const WARNING = 1;

// The .glb and .gltf files of a folder and its subfolders, in name order (readdir's own
// recursive walk needs a newer Node than Debian's).
async function filesIn(folder) {
    const files = [];
    const entries = await readdir(folder, { withFileTypes: true });
    entries.sort((a, b) => (a.name < b.name ? -1 : a.name > b.name ? 1 : 0));
    for (const entry of entries) {
        const file = path.join(folder, entry.name);
        if (entry.isDirectory()) {
            files.push(...(await filesIn(file)));
        } else if (/\.(glb|gltf)$/i.test(entry.name)) {
            files.push(file);
        }
    }
    return files;
}

async function filesOf(targets) {
    const files = [];
    for (const target of targets) {
        if ((await stat(target)).isDirectory()) {
            files.push(...(await filesIn(target)));
        } else {
            files.push(target);
        }
    }
    return files;
}

async function validate(validator, file) {
    const report = await validator.validateBytes(new Uint8Array(await readFile(file)), {
        uri: path.basename(file),
        maxIssues: 0,
        externalResourceFunction: async (uri) =>
            new Uint8Array(await readFile(path.join(path.dirname(file), decodeURIComponent(uri)))),
    });
    const issues = report.issues.messages
        .filter((issue) => issue.severity <= WARNING)
        .map(({ code, severity, message, pointer }) => ({
            code,
            severity: severity === ERROR ? 'error' : 'warning',
            message,
            pointer,
        }));
    return {
        file,
        validatorVersion: report.validatorVersion,
        errors: report.issues.numErrors,
        warnings: report.issues.numWarnings,
        issues,
    };
}

const [validatorFolder, ...targets] = process.argv.slice(2);
if (!validatorFolder || targets.length === 0) {
    console.error('usage: node validate.mjs VALIDATOR_FOLDER FILE_OR_FOLDER...');
    process.exit(2);
}
const require = createRequire(path.join(path.resolve(validatorFolder), 'package.json'));
const validator = require('gltf-validator');
const files = await filesOf(targets);
if (files.length === 0) {
    console.error('no .glb or .gltf file to validate in ' + targets.join(', '));
    process.exit(1);
}
const reports = [];
for (const file of files) {
    reports.push(await validate(validator, file));
}
console.log(JSON.stringify(reports, null, 2));
const failing = reports.some((report) =>
    report.issues.some((issue) => issue.severity === 'error' || !(issue.code in ALLOWED_WARNINGS)),
);
process.exit(failing ? 1 : 0);
