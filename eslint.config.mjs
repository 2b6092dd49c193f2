// The lint of Gridora's JavaScript: the page and its service worker and
// class-set worker (browser), the site's build tools, the browser tests and
// the benchmarks (node). ESLint's recommended rules, and a few that catch
// what has bitten pages like ours: a variable used before it is declared, a
// promise left unawaited in a loop, == where === was meant.
import js from '@eslint/js';
import globals from 'globals';

export default [
  { ignores: ['build*/**', 'node_modules/**'] },
  js.configs.recommended,
  {
    files: ['**/*.js', '**/*.mjs'],
    languageOptions: { ecmaVersion: 2023, sourceType: 'module' },
    rules: {
      eqeqeq: ['error', 'always'],
      'no-use-before-define': ['error', { functions: false, classes: false, variables: true }],
      'no-unused-vars': ['error', { args: 'after-used', argsIgnorePattern: '^_', caughtErrors: 'none' }],
      'no-var': 'error',
      'prefer-const': 'error',
    },
  },
  {
    files: ['web/**/*.js'],
    // GRIDORA_RELEASE is the release's stamp, put in by the bundler.
    languageOptions: { globals: { ...globals.browser, GRIDORA_RELEASE: 'readonly' } },
  },
  {
    files: ['web/sw.js'],
    languageOptions: { sourceType: 'script', globals: { ...globals.serviceworker } },
  },
  {
    files: ['web/class-set-worker.js'],
    languageOptions: { globals: { ...globals.worker } },
  },
  {
    files: ['web/tools/**', 'eslint.config.mjs'],
    languageOptions: { globals: { ...globals.node } },
  },
  {
    // The tests and benchmarks run in node and hand functions to the page.
    files: ['tests/**/*.mjs', 'bench/**/*.mjs'],
    languageOptions: { globals: { ...globals.node, ...globals.browser } },
  },
];
